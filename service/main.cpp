#include "httpfront.h"
#include "requestrules.h"
#include "seed.h"
#include "shopservice.h"
#include "store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHostAddress>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

// SIGTERM (how a parent stops the service) and SIGINT end the event loop, so the store
// is closed properly; the handler itself only writes one byte.
void quitOnTermination(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, onTerminate);
    std::signal(SIGINT, onTerminate);
}

struct Options {
    quint16 port = 0;
    QString dataDir;
    qint64 codeLifetimeMs = 0;
};

bool readOptions(const QCoreApplication& app, Options& options, QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription("The shop service: every endpoint of the shop-owner app "
                                     "on a SQLite store, on 127.0.0.1.");
    parser.addHelpOption();
    parser.addOption({"port", "Port to listen on; 0 picks a free one.", "N", "0"});
    parser.addOption({"data",
                      "Folder for the database and uploads; a new one gets the demo "
                      "shop.",
                      "DIR"});
    parser.addOption({"code-lifetime",
                      "Seconds a password-recovery security code stays usable (default 600).",
                      "SECONDS", "600"});
    parser.process(app);
    bool ok = false;
    const uint port = parser.value("port").toUInt(&ok);
    if (!ok || port > 65535) {
        error = "--port takes a number from 0 to 65535";
        return false;
    }
    if (parser.value("data").isEmpty()) {
        error = "--data DIR is required";
        return false;
    }
    const qint64 lifetime = parser.value("code-lifetime").toLongLong(&ok);
    if (!ok || lifetime < 1) {
        error = "--code-lifetime takes a number of seconds, at least 1";
        return false;
    }
    options.port = quint16(port);
    options.codeLifetimeMs = lifetime * 1000;
    options.dataDir = QDir(parser.value("data")).absolutePath();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("shop-service");
    QTextStream out(stdout);
    QTextStream err(stderr);
    Options options;
    QString error;
    if (!readOptions(app, options, error)) {
        err << "shop-service: " << error << Qt::endl;
        return 2;
    }
    if (!QDir().mkpath(options.dataDir)) {
        err << "shop-service: cannot create " << options.dataDir << Qt::endl;
        return 1;
    }
    Store store;
    if (!store.open(options.dataDir + "/shop.sqlite", &error)) {
        err << "shop-service: cannot open the store: " << error << Qt::endl;
        return 1;
    }
    if ((store.isEmpty() && !seedDemoShop(store, nowMs())) || !seedEmptyShop(store)) {
        err << "shop-service: cannot seed the demo shops" << Qt::endl;
        return 1;
    }
    HttpFront front;
    auto* listener = new GuardedTcpServer(kBodyLimit, &front);
    if (!listener->listen(QHostAddress::LocalHost, options.port)) {
        err << "shop-service: cannot listen on port " << options.port << ": "
            << listener->errorString() << Qt::endl;
        return 1;
    }
    front.bind(listener);
    const QString baseUrl = QString("http://127.0.0.1:%1/").arg(listener->serverPort());
    ShopService service(store, options.dataDir, out);
    service.setBaseUrl(baseUrl);
    service.setCodeLifetime(options.codeLifetimeMs);
    service.install(front);
    quitOnTermination(app);
    out << "listening on " << baseUrl << Qt::endl;
    return app.exec();
}
