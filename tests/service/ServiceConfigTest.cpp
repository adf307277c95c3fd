#include "service/ServiceConfig.h"

#include "shop_build_config.h"

#include <QCommandLineParser>
#include <gtest/gtest.h>

namespace {

// Sets one environment variable for the life of the scope.
class EnvScope {
public:
    EnvScope(const char* name, const QByteArray& value) : name_(name) {
        qputenv(name, value);
        ServiceConfig::reset();
    }
    ~EnvScope() {
        qunsetenv(name_);
        ServiceConfig::reset();
    }

private:
    const char* name_;
};

QString applyArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    ServiceConfig::addOptions(parser);
    if (!parser.parse(QStringList{"shopowner"} + arguments)) {
        return parser.errorText();
    }
    return ServiceConfig::applyOptions(parser);
}

} // namespace

TEST(ServiceConfig, CompiledInAddressesAndFifteenSecondsAreTheDefaults) {
    ServiceConfig::reset();
    EXPECT_TRUE(ServiceConfig::serviceUrl().startsWith(SHOP_DEFAULT_SERVICE_URL));
    EXPECT_TRUE(ServiceConfig::storefrontUrl().startsWith(SHOP_DEFAULT_STOREFRONT_URL));
    EXPECT_EQ(ServiceConfig::timeoutMs(), 15000);
}

TEST(ServiceConfig, TheEnvironmentOverridesAndBadValuesAreRefused) {
    {
        EnvScope service("SHOP_SERVICE_URL", "http://10.0.0.2:8080/api");
        EXPECT_EQ(ServiceConfig::serviceUrl(), "http://10.0.0.2:8080/api/");
    }
    {
        EnvScope store("SHOP_STOREFRONT_URL", "https://store.test/");
        EXPECT_EQ(ServiceConfig::storefrontUrl(), "https://store.test/");
    }
    {
        EnvScope timeout("SHOP_TIMEOUT_MS", "250");
        EXPECT_EQ(ServiceConfig::timeoutMs(), 250);
    }
    {
        EnvScope bad("SHOP_SERVICE_URL", "ftp://x/");
        EXPECT_TRUE(ServiceConfig::serviceUrl().startsWith(SHOP_DEFAULT_SERVICE_URL));
    }
    {
        EnvScope bad("SHOP_TIMEOUT_MS", "soon");
        EXPECT_EQ(ServiceConfig::timeoutMs(), 15000);
    }
}

TEST(ServiceConfig, TheCommandLineOverridesTheEnvironment) {
    EnvScope service("SHOP_SERVICE_URL", "http://10.0.0.2/");
    EXPECT_EQ(applyArguments({"--service", "https://api.test/v2", "--storefront", "http://s.test",
                              "--timeout-ms", "500"}),
              QString());
    EXPECT_EQ(ServiceConfig::serviceUrl(), "https://api.test/v2/");
    EXPECT_EQ(ServiceConfig::storefrontUrl(), "http://s.test/");
    EXPECT_EQ(ServiceConfig::timeoutMs(), 500);
}

TEST(ServiceConfig, BadOptionsAreNamedAndLeaveTheValueAlone) {
    ServiceConfig::reset();
    const QString before = ServiceConfig::serviceUrl();
    const struct {
        QStringList arguments;
        const char* named;
    } cases[] = {{{"--service", "not a url"}, "--service"},
                 {{"--service", "/relative/path"}, "--service"},
                 {{"--storefront", "mailto:a@b.c"}, "--storefront"},
                 {{"--timeout-ms", "0"}, "--timeout-ms"},
                 {{"--timeout-ms", "ten"}, "--timeout-ms"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_TRUE(applyArguments(c.arguments).startsWith(c.named));
    }
    EXPECT_EQ(ServiceConfig::serviceUrl(), before);
    ServiceConfig::reset();
}
