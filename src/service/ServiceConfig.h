#pragma once

#include <QString>

class QCommandLineParser;

// Where the service and the storefront live and how long a request may stay silent.
// Compiled-in defaults (shop_build_config.h) are overridden by the environment
// (SHOP_SERVICE_URL, SHOP_STOREFRONT_URL, SHOP_TIMEOUT_MS), which the command line
// (--service, --storefront, --timeout-ms) overrides in turn.
class ServiceConfig {
public:
    static constexpr int defaultTimeoutMs = 15000;

    static QString serviceUrl();    // http(s) origin and path, always ending in "/"
    static QString storefrontUrl(); // always ending in "/"
    static int timeoutMs();

    // Each returns the reason for refusing the value, or an empty text when it was taken.
    static QString setServiceUrl(const QString& url);
    static QString setStorefrontUrl(const QString& url);
    static QString setTimeoutMs(int ms);

    // The program's options; applyOptions returns the reason for refusing one, or empty text.
    static void addOptions(QCommandLineParser& parser);
    static QString applyOptions(const QCommandLineParser& parser);

    // Back to the compiled-in values, then the environment again.
    static void reset();
};
