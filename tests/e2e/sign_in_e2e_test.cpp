#include "service/KQAccountTool.h"
#include "support/E2EFixture.h"

namespace {

class SignInE2E : public E2EFixture {};

TEST_F(SignInE2E, FirstLaunchAsksForTheAccountAndSignsIn) {
    launch();
    EXPECT_TRUE(showsSignIn());
    EXPECT_EQ(KQRequest::openCount(), 0) << "nothing is sent before the owner signs in";

    signIn();
    ASSERT_NE(tabs(), nullptr);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    const std::optional<KQAccount> account = KQAccountTool::account();
    ASSERT_TRUE(account.has_value());
    EXPECT_EQ(account->userid, kMobile);
    EXPECT_EQ(account->userPassCode, kPassword);
    EXPECT_FALSE(account->shop_id.isEmpty());
}

TEST_F(SignInE2E, RelaunchShowsTheTabsAtOnceAndSignsInSilently) {
    launch();
    signIn();
    ASSERT_NE(tabs(), nullptr);
    const QDateTime firstExpiry = KQAccountTool::account()->expiresTime;

    KQHttpClient::cookieStore()->setAllCookies({});
    launch();
    EXPECT_NE(tabs(), nullptr) << "the tabs come before the reply";
    EXPECT_TRUE(settle());
    EXPECT_NE(tabs(), nullptr);
    EXPECT_GE(KQAccountTool::account()->expiresTime, firstExpiry);
    EXPECT_FALSE(KQHttpClient::cookieStore()->allCookies().isEmpty())
        << "the silent sign-in took a fresh session";
}

TEST_F(SignInE2E, RelaunchWithTheServiceStoppedReturnsToSignInAndKeepsTheAccount) {
    launch();
    signIn();
    ASSERT_NE(tabs(), nullptr);
    stopService();

    launch();
    ASSERT_TRUE(waitUntil([this] { return showsSignIn(); }));
    EXPECT_TRUE(Toast::visibleTexts().contains("请检查网络连接"));
    EXPECT_TRUE(KQAccountTool::account().has_value());
}

TEST_F(SignInE2E, WrongPasswordShowsTheServiceMessage) {
    launch();
    signIn(kMobile, "not-the-password");
    EXPECT_TRUE(showsSignIn());
    EXPECT_TRUE(Toast::visibleTexts().contains("手机号或密码错误"));
    EXPECT_FALSE(KQAccountTool::account().has_value());
}

} // namespace
