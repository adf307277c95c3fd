#pragma once

#include <QObject>
#include <QProcess>

// The demo shop service as a child process: started on a free loopback port with its data in
// the user's data folder (kept between runs unless reset), the client pointed at it, and
// stopped when this object goes.
class DemoService : public QObject {
    Q_OBJECT
public:
    explicit DemoService(QObject* parent = nullptr);
    ~DemoService() override;

    // Starts the service on its data in folder (a new folder gets the demo shop); returns an
    // empty text on success, otherwise what went wrong, for the owner to read.
    QString start(const QString& folder, bool reset);
    QString baseUrl() const { return baseUrl_; }
    // What the service printed after it started listening (security codes among it).
    QString printed() const { return printed_; }

    static QString dataFolder();
    // Where shop-service lives: $SHOP_SERVICE_BIN, next to this program, or in the build tree.
    static QString program();

private:
    QProcess process_;
    QString baseUrl_;
    QString printed_;
};
