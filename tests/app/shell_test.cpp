#include "app/AppDelegate.h"
#include "app/KQSLoginVC.h"
#include "app/KQSRootVC.h"
#include "app/TabBarButton.h"
#include "platform/Keyboard.h"
#include "platform/NavigationStack.h"
#include "platform/PhoneWindow.h"
#include "service/KQAccountTool.h"
#include "service/LoginAccount.h"
#include "support/ScreenFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray kSignedIn = R"({"status":"success","data":{"shop_id":"10001"}})";

// A fresh phone window and app delegate on a scripted service.
class ShellTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        app = std::make_unique<AppDelegate>(window.get());
    }
    void TearDown() override {
        app.reset();
        ScreenFixture::TearDown();
    }

    bool showsSignIn() const {
        auto* stack = qobject_cast<NavigationStack*>(window->root());
        return stack && stack->top() == KQSLoginVC::login();
    }
    KQSRootVC* tabs() const { return qobject_cast<KQSRootVC*>(window->root()); }

    std::unique_ptr<AppDelegate> app;
};

TEST_F(ShellTest, FirstLaunchShowsSignInAndSendsNothing) {
    app->didFinishLaunching();
    EXPECT_TRUE(showsSignIn());
    ASSERT_TRUE(settle());
    EXPECT_TRUE(peer.requests().isEmpty());
}

TEST_F(ShellTest, SigningInStoresTheAccountAndShowsTheFirstTab) {
    peer.reply("/login.do", PeerReply::json(kSignedIn));
    app->didFinishLaunching();
    KQSLoginVC* login = KQSLoginVC::login();
    login->userIdField->setText(QStringLiteral("13800138000"));
    login->passwordField->setText(QStringLiteral("shop+1234 &="));
    login->loginBtn->setEnabled(true);
    QTest::mouseClick(login->loginBtn, Qt::LeftButton);
    ASSERT_TRUE(settle());

    const PeerRequest sent = peer.requests().first();
    EXPECT_EQ(sent.field("mobile"), "13800138000");
    EXPECT_EQ(sent.field("password"), "shop+1234 &=");
    ASSERT_NE(tabs(), nullptr);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    const std::optional<KQAccount> account = KQAccountTool::account();
    ASSERT_TRUE(account.has_value());
    EXPECT_EQ(account->shop_id, "10001");
    EXPECT_EQ(account->userid, "13800138000");
    EXPECT_EQ(account->userPassCode, "shop+1234 &=");
}

TEST_F(ShellTest, RefusedSignInShowsTheServiceMessageAndStays) {
    peer.reply("/login.do", PeerReply::json(R"({"status":"error","message":"密码错误"})"));
    app->didFinishLaunching();
    KQSLoginVC* login = KQSLoginVC::login();
    login->userIdField->setText(QStringLiteral("13800138000"));
    login->passwordField->setText(QStringLiteral("wrong"));
    login->loginBtn->setEnabled(true);
    QTest::mouseClick(login->loginBtn, Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(showsSignIn());
    EXPECT_TRUE(Toast::visibleTexts().contains("密码错误"));
    EXPECT_FALSE(KQAccountTool::account().has_value());
    EXPECT_EQ(login->passwordField->text(), "wrong");
}

TEST_F(ShellTest, StoredAccountShowsTabsAtOnceAndSignsInSilently) {
    LoginAccount::saveLoginAccountWithshopid("10001", "13800138000", "shop1234");
    peer.reply("/login.do", PeerReply::json(kSignedIn));
    app->didFinishLaunching();
    ASSERT_NE(tabs(), nullptr) << "the tabs do not wait for the network";
    ASSERT_TRUE(settle());
    EXPECT_NE(tabs(), nullptr);
    EXPECT_EQ(peer.requests().first().field("password"), "shop1234");
    EXPECT_EQ(peer.requests().first().field("mobile"), "13800138000");
}

TEST_F(ShellTest, SilentSignInWithoutNetworkReturnsToSignInAndKeepsTheAccount) {
    LoginAccount::saveLoginAccountWithshopid("10001", "13800138000", "shop1234");
    PeerReply unavailable;
    unavailable.status = 502;
    peer.reply("/login.do", unavailable);
    app->didFinishLaunching();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(showsSignIn());
    EXPECT_TRUE(Toast::visibleTexts().contains("请检查网络连接"));
    EXPECT_TRUE(KQAccountTool::account().has_value());
}

TEST_F(ShellTest, SilentSignInRefusedKeepsTheTabs) {
    LoginAccount::saveLoginAccountWithshopid("10001", "13800138000", "old");
    peer.reply("/login.do", PeerReply::json(R"({"status":"error","message":"密码已修改"})"));
    app->didFinishLaunching();
    ASSERT_TRUE(settle());
    EXPECT_NE(tabs(), nullptr);
    EXPECT_TRUE(Toast::visibleTexts().contains("密码已修改"));
    EXPECT_EQ(KQAccountTool::account()->userPassCode, "old");
}

TEST_F(ShellTest, TouchingATabSelectsItsStackAndColours) {
    AppDelegate::showTabs();
    KQSRootVC* root = tabs();
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->itmes.size(), 3);
    auto* shop = static_cast<TabBarButton*>(root->itmes[0]);
    auto* messages = static_cast<TabBarButton*>(root->itmes[1]);
    EXPECT_EQ(messages->property("tag").toInt(), 101);
    EXPECT_EQ(shop->titleColor(), QColor(255, 79, 79));
    QTest::mouseClick(messages, Qt::LeftButton);
    EXPECT_EQ(root->currentIndex(), 1);
    EXPECT_EQ(messages->titleColor(), QColor(255, 79, 79));
    EXPECT_EQ(shop->titleColor(), QColor(156, 162, 162));
    EXPECT_EQ(messages->geometry(), QRect(125, 0, 125, 49));
}

// The sign-in screen in a window of its own, as the owner sees it.
class LoginScreenTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        AppDelegate::showSignIn();
        login = KQSLoginVC::login();
        login->userIdField->clear();
        login->passwordField->clear();
        login->loginBtn->setEnabled(false);
        login->endEditing();
        QTRY_VERIFY(!Keyboard::instance()->isRisen());
        QTRY_COMPARE(login->drawnShift(), login->isLifted() ? -KQSLoginVC::kKeyboardLift : 0);
    }
    void touch(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    KQSLoginVC* login = nullptr;
};

TEST_F(LoginScreenTest, LoginButtonFollowsTheFieldsWhenEditingBegins) {
    touch(login->userIdField);
    EXPECT_FALSE(login->loginBtn->isEnabled());
    touch(login->passwordField);
    EXPECT_FALSE(login->loginBtn->isEnabled());
    QTest::keyClicks(login->passwordField, "abc");
    EXPECT_FALSE(login->loginBtn->isEnabled()) << "typing alone changes nothing";
    touch(login->userIdField);
    EXPECT_TRUE(login->loginBtn->isEnabled());
}

TEST_F(LoginScreenTest, TouchingTheAccountFieldEmptiesIt) {
    login->userIdField->setText(QStringLiteral("13800138000"));
    touch(login->userIdField);
    EXPECT_EQ(login->userIdField->text(), "");
    QTest::keyClicks(login->userIdField, "138");
    touch(login->passwordField);
    EXPECT_EQ(login->userIdField->text(), "138");
    EXPECT_TRUE(login->loginBtn->isEnabled());
}

TEST_F(LoginScreenTest, KeyboardLiftsTheViewOnceAndABackgroundTouchLowersIt) {
    const int logoTop = login->LOGOView->y();
    touch(login->userIdField);
    touch(login->passwordField);
    EXPECT_TRUE(login->isLifted());
    QTRY_COMPARE(login->drawnShift(), -KQSLoginVC::kKeyboardLift);
    EXPECT_EQ(login->LOGOView->y(), logoTop - KQSLoginVC::kKeyboardLift);
    QTest::mouseClick(login, Qt::LeftButton, {}, QPoint(10, 600));
    EXPECT_FALSE(login->isLifted());
    QTRY_COMPARE(login->drawnShift(), 0);
    EXPECT_EQ(login->LOGOView->y(), logoTop);
}

TEST_F(LoginScreenTest, GoingToTheBackgroundClosesTheKeyboard) {
    touch(login->passwordField);
    ASSERT_TRUE(Keyboard::instance()->isRisen());
    app->applicationDidEnterBackground();
    EXPECT_FALSE(login->passwordField->hasFocus());
    EXPECT_FALSE(login->isLifted());
}

TEST_F(LoginScreenTest, LayoutFollowsTheScreenTable) {
    EXPECT_EQ(login->LOGOView->geometry(), QRect(142, 92, 90, 90));
    EXPECT_EQ(login->textBarView->geometry(), QRect(25, 249, 325, 101));
    EXPECT_EQ(login->userIdField->geometry().height(), 50);
    EXPECT_EQ(login->userIconView->x(), 12);
    EXPECT_EQ(login->userIdField->x(), 12 + login->userIconView->width() + 12);
    EXPECT_EQ(login->loginBtn->geometry(), QRect(25, 368, 325, 50));
    EXPECT_EQ(login->forgetBtn->geometry().right(), 375 - 25 - 1);
    EXPECT_EQ(login->forgetBtn->geometry().top(), 429);
    EXPECT_EQ(login->buttomTitleLabel->geometry(), QRect(0, 667 - 24 - 20, 375, 20));
    EXPECT_EQ(login->userIdField->placeholderText(), "请输入账号");
    EXPECT_EQ(login->passwordField->echoMode(), QLineEdit::Password);
}

} // namespace
