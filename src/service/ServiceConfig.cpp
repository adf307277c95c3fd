#include "service/ServiceConfig.h"

#include "shop_build_config.h"

#include <QCommandLineParser>
#include <QUrl>
#include <QtGlobal>

namespace {

struct Settings {
    QString serviceUrl;
    QString storefrontUrl;
    int timeoutMs = ServiceConfig::defaultTimeoutMs;
};

// Accepts an absolute http(s) address; the result ends in "/" so that endpoint paths append.
QString checkedBaseUrl(const QString& text, QString* normalised) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https")) {
        return QStringLiteral("not an http or https address: %1").arg(text);
    }
    QString result = url.toString();
    if (!result.endsWith('/')) {
        result += '/';
    }
    *normalised = result;
    return {};
}

Settings compiledIn() {
    Settings settings;
    checkedBaseUrl(QStringLiteral(SHOP_DEFAULT_SERVICE_URL), &settings.serviceUrl);
    checkedBaseUrl(QStringLiteral(SHOP_DEFAULT_STOREFRONT_URL), &settings.storefrontUrl);
    return settings;
}

void warnIfRefused(const char* variable, const QString& reason) {
    if (!reason.isEmpty()) {
        qWarning("%s ignored: %s", variable, qPrintable(reason));
    }
}

void applyEnvironment() {
    if (qEnvironmentVariableIsSet("SHOP_SERVICE_URL")) {
        warnIfRefused("SHOP_SERVICE_URL",
                      ServiceConfig::setServiceUrl(qEnvironmentVariable("SHOP_SERVICE_URL")));
    }
    if (qEnvironmentVariableIsSet("SHOP_STOREFRONT_URL")) {
        warnIfRefused("SHOP_STOREFRONT_URL",
                      ServiceConfig::setStorefrontUrl(qEnvironmentVariable("SHOP_STOREFRONT_URL")));
    }
    if (qEnvironmentVariableIsSet("SHOP_TIMEOUT_MS")) {
        bool ok = false;
        const int ms = qEnvironmentVariableIntValue("SHOP_TIMEOUT_MS", &ok);
        warnIfRefused("SHOP_TIMEOUT_MS",
                      ok ? ServiceConfig::setTimeoutMs(ms) : QStringLiteral("not a whole number"));
    }
}

Settings& settings() {
    static Settings current = compiledIn();
    // The environment is read on first use; setting a value from it comes back here.
    static bool environmentRead = false;
    if (!environmentRead) {
        environmentRead = true;
        applyEnvironment();
    }
    return current;
}

} // namespace

QString ServiceConfig::serviceUrl() {
    return settings().serviceUrl;
}

QString ServiceConfig::storefrontUrl() {
    return settings().storefrontUrl;
}

int ServiceConfig::timeoutMs() {
    return settings().timeoutMs;
}

QString ServiceConfig::setServiceUrl(const QString& url) {
    return checkedBaseUrl(url, &settings().serviceUrl);
}

QString ServiceConfig::setStorefrontUrl(const QString& url) {
    return checkedBaseUrl(url, &settings().storefrontUrl);
}

QString ServiceConfig::setTimeoutMs(int ms) {
    if (ms <= 0) {
        return QStringLiteral("the time-out must be a positive number of milliseconds");
    }
    settings().timeoutMs = ms;
    return {};
}

void ServiceConfig::addOptions(QCommandLineParser& parser) {
    parser.addOption({"service", "Service base address.", "URL"});
    parser.addOption({"storefront", "Storefront base address.", "URL"});
    parser.addOption({"timeout-ms", "Request time-out in milliseconds (default 15000).", "MS"});
}

QString ServiceConfig::applyOptions(const QCommandLineParser& parser) {
    if (parser.isSet("service")) {
        if (QString reason = setServiceUrl(parser.value("service")); !reason.isEmpty()) {
            return "--service: " + reason;
        }
    }
    if (parser.isSet("storefront")) {
        if (QString reason = setStorefrontUrl(parser.value("storefront")); !reason.isEmpty()) {
            return "--storefront: " + reason;
        }
    }
    if (parser.isSet("timeout-ms")) {
        bool ok = false;
        const int ms = parser.value("timeout-ms").toInt(&ok);
        const QString reason = ok ? setTimeoutMs(ms) : QStringLiteral("not a whole number");
        if (!reason.isEmpty()) {
            return "--timeout-ms: " + reason;
        }
    }
    return {};
}

void ServiceConfig::reset() {
    settings() = compiledIn();
    applyEnvironment();
}
