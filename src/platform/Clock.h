#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

class QTimer;

// Every "now" and every timer of the app. Tests install a test clock and move it by hand;
// timers then fire from advance() in due order instead of from the event loop.
class Clock {
public:
    static QDateTime now();
    static qint64 nowMs();
    // Milliseconds on a clock that only moves forward, whatever happens to the wall clock (the
    // test clock while one is installed): for measuring how long something took.
    static qint64 steadyMs();
    // Active timers move onto the test clock with their remaining time.
    static void useTestClock(const QDateTime& start);
    static void advance(qint64 ms);
    static void useRealClock();
    static bool isTestClock();
};

// A timer on the main event loop that follows the test clock while one is installed.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);
    ~Timer() override;

    void start(int intervalMs, bool repeating);
    void stop();
    bool isActive() const;
    int interval() const { return intervalMs_; }
    bool isRepeating() const { return repeating_; }

    // Runs fn once after ms, unless context is destroyed first.
    static void singleShot(int ms, QObject* context, std::function<void()> fn);

signals:
    void timeout();

private:
    friend class ClockState;
    void arm(qint64 delayMs);
    void disarm();
    qint64 remainingMs() const;
    void fire();

    QTimer* realTimer_ = nullptr;
    int intervalMs_ = 0;
    bool repeating_ = false;
    bool active_ = false;
    qint64 dueMs_ = 0;     // test clock only
    quint64 sequence_ = 0; // test clock only: start order breaks ties between equal due times
};
