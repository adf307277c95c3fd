#include "app/Options.h"
#include "service/ServiceConfig.h"

#include <gtest/gtest.h>

TEST(ServiceOptions, TheCommandLineSetsTheServiceAddressesAndTimeOut) {
    Options options;
    QString message;
    EXPECT_EQ(Options::parse({"shopowner", "--service", "http://127.0.0.1:8080", "--storefront",
                              "http://127.0.0.1:8081/shop", "--timeout-ms", "3000"},
                             options, message),
              Options::Outcome::Run);
    EXPECT_EQ(ServiceConfig::serviceUrl(), "http://127.0.0.1:8080/");
    EXPECT_EQ(ServiceConfig::storefrontUrl(), "http://127.0.0.1:8081/shop/");
    EXPECT_EQ(ServiceConfig::timeoutMs(), 3000);
    ServiceConfig::reset();
}

TEST(ServiceOptions, ABadAddressIsAnErrorThatNamesTheOption) {
    Options options;
    QString message;
    EXPECT_EQ(Options::parse({"shopowner", "--service", "nowhere"}, options, message),
              Options::Outcome::Error);
    EXPECT_TRUE(message.startsWith("--service")) << message.toStdString();
    ServiceConfig::reset();
}
