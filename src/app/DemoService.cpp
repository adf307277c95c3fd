#include "app/DemoService.h"

#include "service/ServiceConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
constexpr int kStartMs = 20000;
constexpr int kStopMs = 5000;
} // namespace

DemoService::DemoService(QObject* parent) : QObject(parent) {
    // The service's own messages (security codes among them) go where ours go.
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setReadChannel(QProcess::StandardOutput);
}

DemoService::~DemoService() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(kStopMs)) {
            process_.kill();
            process_.waitForFinished(kStopMs);
        }
    }
}

QString DemoService::dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/shop-demo");
}

QString DemoService::program() {
    const QString fromEnvironment = qEnvironmentVariable("SHOP_SERVICE_BIN");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(QStringLiteral("shop-service")),
                                     here.filePath(QStringLiteral("../service/shop-service"))}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QFileInfo(candidate).canonicalFilePath();
        }
    }
    return QStringLiteral("shop-service");
}

QString DemoService::start(const QString& folder, bool reset) {
    if (reset && QDir(folder).exists() && !QDir(folder).removeRecursively()) {
        return QStringLiteral("could not remove the old demo shop in %1").arg(folder);
    }
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("could not create the demo shop folder %1").arg(folder);
    }
    process_.start(program(), {QStringLiteral("--port"), QStringLiteral("0"),
                               QStringLiteral("--data"), folder});
    if (!process_.waitForStarted(kStartMs)) {
        return QStringLiteral("could not start %1: %2").arg(program(), process_.errorString());
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(kStartMs)) {
            return QStringLiteral("the demo shop service did not start: %1")
                .arg(QString::fromLocal8Bit(process_.readAllStandardError()).trimmed());
        }
    }
    static const QRegularExpression firstLine(QStringLiteral("^listening on (http://\\S+/)\\s*$"));
    const QString line = QString::fromUtf8(process_.readLine());
    const QRegularExpressionMatch match = firstLine.match(line);
    if (!match.hasMatch()) {
        return QStringLiteral("the demo shop service said \"%1\"").arg(line.trimmed());
    }
    baseUrl_ = match.captured(1);
    // Later lines (security codes) are passed on to our own output.
    connect(&process_, &QProcess::readyReadStandardOutput, this, [this] {
        const QByteArray lines = process_.readAllStandardOutput();
        printed_ += QString::fromUtf8(lines);
        fputs(lines.constData(), stdout);
        fflush(stdout);
    });
    if (QString reason = ServiceConfig::setServiceUrl(baseUrl_); !reason.isEmpty()) {
        return reason;
    }
    return ServiceConfig::setStorefrontUrl(baseUrl_ + QStringLiteral("store/"));
}
