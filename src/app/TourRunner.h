#pragma once

#include <QDir>
#include <QObject>
#include <QStringList>

class PhoneWindow;
class QTimer;

// Walks the tour: the sign-in screen first, then signs in as the demo owner and saves every
// registered step's screen as DIR/<name>.png. Finishes with the list of files written, or a
// reason it stopped.
class TourRunner : public QObject {
    Q_OBJECT
public:
    TourRunner(PhoneWindow* window, const QString& folder, QObject* parent = nullptr);

    static constexpr const char* kDemoMobile = "13800138000";
    static constexpr const char* kDemoPassword = "shop1234";

    void start();
    QStringList written() const { return written_; }

signals:
    void finished(bool ok, const QString& message);

private:
    // Signs in as the owner with this mobile number (every demo owner has the demo password),
    // then calls then().
    void signIn(const QString& mobile, std::function<void()> then);
    // Runs the steps from index on that belong before (or after) signing in; after signing in,
    // each step as its own owner.
    void runStep(int index, bool beforeSignIn);
    // Every tab back to its first screen and tab 0 selected; before signing in, the sign-in
    // stack back to the sign-in screen.
    void resetTabs();
    // Calls then() once nothing has been in flight for a while (or after a time limit).
    void whenQuiet(std::function<void()> then);
    bool save(const QString& name);
    void fail(const QString& message);

    PhoneWindow* window_;
    QDir folder_;
    QStringList written_;
    QTimer* poll_;
    std::function<void()> pending_;
    QString signedIn_;
    int quietTicks_ = 0;
    int waitedTicks_ = 0;
};
