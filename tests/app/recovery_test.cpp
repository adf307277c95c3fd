#include "app/AppDelegate.h"
#include "app/ForgetPasswordVC.h"
#include "app/KQLogoutVC.h"
#include "app/KQSLoginVC.h"
#include "app/KQSNavigtionVC.h"
#include "app/KQSRootVC.h"
#include "app/ModifiedCompleteVC.h"
#include "app/changePasswordVC.h"
#include "platform/Alert.h"
#include "platform/CountDownButton.h"
#include "platform/PhoneWindow.h"
#include "service/KQAccountTool.h"
#include "service/KQCookies.h"
#include "service/LoginAccount.h"
#include "support/ServiceFixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkCookie>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray kSuccess = R"({"status":"success","message":"","data":{}})";

PeerReply refused(const QByteArray& message) {
    return PeerReply::json(R"({"status":"error","message":")" + message + "\"}");
}

PeerReply unreachable() {
    PeerReply reply;
    reply.dropConnection = true;
    return reply;
}

// The sign-in stack in a phone window on a scripted service, as after a launch without an
// account.
class RecoveryTest : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        window = std::make_unique<PhoneWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        AppDelegate::showSignIn();
    }
    void TearDown() override {
        AppDelegate::showSignIn();
        KQSLoginVC::login()->setParent(nullptr);
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ServiceFixture::TearDown();
    }

    NavigationStack* stack() const {
        if (auto* tabs = qobject_cast<KQSRootVC*>(window->root())) {
            return tabs->currentStack();
        }
        return qobject_cast<NavigationStack*>(window->root());
    }
    template <class S> S* top() const {
        stack()->finishTransition();
        return qobject_cast<S*>(stack()->top());
    }
    ForgetPasswordVC* openRecovery() {
        QTest::mouseClick(KQSLoginVC::login()->forgetBtn, Qt::LeftButton);
        return top<ForgetPasswordVC>();
    }
    changePasswordVC* openReset() {
        auto* reset = new changePasswordVC;
        reset->iphone = QStringLiteral("13800138000");
        reset->code = QStringLiteral("123456");
        qobject_cast<KQSNavigtionVC*>(stack())->pushViewController(reset, true);
        return top<changePasswordVC>();
    }
    // Waits until every request has been answered and handled.
    void settle() {
        ASSERT_TRUE(QTest::qWaitFor([] { return KQRequest::openCount() == 0; }, 5000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static void touch(QLineEdit* field) {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
    }

    std::unique_ptr<PhoneWindow> window;
};

TEST_F(RecoveryTest, ForgetPasswordOpensTheVerifyScreenOnTheSignInStack) {
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    EXPECT_EQ(verify->titleLabel->text(), "验证手机");
    EXPECT_EQ(verify->userIdField->placeholderText(), "请输入手机号");
    EXPECT_EQ(verify->passwordField->placeholderText(), "请输入验证码");
    EXPECT_EQ(verify->nextBtn->text(), "下一步");
    EXPECT_FALSE(verify->nextBtn->isEnabled());
    EXPECT_EQ(verify->countDownCode->text(), "获取验证码");
    QTest::mouseClick(verify->backBtn, Qt::LeftButton);
    EXPECT_EQ(top<KQSLoginVC>(), KQSLoginVC::login());
}

TEST_F(RecoveryTest, NextFollowsTheFieldsAndTouchingTheNumberEmptiesIt) {
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    touch(verify->passwordField);
    EXPECT_FALSE(verify->nextBtn->isEnabled());
    touch(verify->userIdField);
    QTest::keyClicks(verify->userIdField, "13800138000");
    EXPECT_FALSE(verify->nextBtn->isEnabled()) << "typing alone changes nothing";
    touch(verify->passwordField);
    EXPECT_TRUE(verify->nextBtn->isEnabled());
    touch(verify->userIdField);
    EXPECT_TRUE(verify->userIdField->text().isEmpty());
}

TEST_F(RecoveryTest, AskingForACodeWithoutANumberSendsNothing) {
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    QTest::mouseClick(verify->countDownCode, Qt::LeftButton);
    EXPECT_TRUE(Toast::visibleTexts().contains("请输入手机号"));
    EXPECT_TRUE(verify->countDownCode->isEnabled());
    EXPECT_FALSE(verify->countDownCode->isCounting());
    EXPECT_EQ(KQRequest::openCount(), 0);
}

TEST_F(RecoveryTest, TheCountDownRunsSixtySecondsOnTheSteadyClock) {
    peer.reply("/forgot/getSecurityCode.do", PeerReply::json(kSuccess));
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    verify->userIdField->setText(QStringLiteral("13800138000"));
    QTest::mouseClick(verify->countDownCode, Qt::LeftButton);
    settle();
    EXPECT_EQ(peer.requests().first().field("mobile"), "13800138000");
    CountDownButton* button = verify->countDownCode;
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->titleColor(), QColor(175, 181, 186));
    Clock::advance(1000);
    EXPECT_EQ(button->text(), "59");
    EXPECT_TRUE(button->accessibleName().contains("59"));
    Clock::advance(59000);
    EXPECT_EQ(button->text(), "0");
    EXPECT_FALSE(button->isEnabled());
    Clock::advance(1000);
    EXPECT_EQ(button->text(), "重新获取");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->titleColor(), QColor(249, 81, 70));
}

// A refused or undelivered request sends no code: the button is usable again at once.
TEST_F(RecoveryTest, TheCountDownEndsAtOnceWhenNoCodeIsSent) {
    const QList<std::pair<const char*, PeerReply>> outcomes{
        {"refused", refused("该手机号尚未注册")},
        {"unreachable", unreachable()},
    };
    for (const auto& [name, reply] : outcomes) {
        SCOPED_TRACE(name);
        peer.reply("/forgot/getSecurityCode.do", reply);
        ForgetPasswordVC* verify = openRecovery();
        ASSERT_NE(verify, nullptr);
        verify->userIdField->setText(QStringLiteral("13900000000"));
        QTest::mouseClick(verify->countDownCode, Qt::LeftButton);
        settle();
        EXPECT_FALSE(verify->countDownCode->isCounting());
        EXPECT_TRUE(verify->countDownCode->isEnabled());
        EXPECT_EQ(verify->countDownCode->text(), "重新获取");
        QTest::mouseClick(verify->backBtn, Qt::LeftButton);
        stack()->finishTransition();
    }
}

TEST_F(RecoveryTest, TheCodeIsCheckedWithTheNumberAndOpensTheResetScreen) {
    peer.reply("/forgot/checkSecurityCode.do", PeerReply::json(kSuccess));
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    verify->userIdField->setText(QStringLiteral("13800138000"));
    verify->passwordField->setText(QStringLiteral("654321"));
    verify->nextBtn->setEnabled(true);
    QTest::mouseClick(verify->nextBtn, Qt::LeftButton);
    settle();
    const PeerRequest sent = peer.requests().first();
    EXPECT_EQ(sent.field("mobile"), "13800138000");
    EXPECT_EQ(sent.field("security_code"), "654321");
    EXPECT_EQ(sent.field("need_captcha"), "false");
    auto* reset = top<changePasswordVC>();
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->iphone, "13800138000");
    EXPECT_EQ(reset->code, "654321");
    EXPECT_EQ(reset->titleLabel->text(), "重置密码");
    EXPECT_EQ(reset->userIdField->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(reset->passwordField->echoMode(), QLineEdit::Normal);
}

TEST_F(RecoveryTest, ARefusedCodeStaysOnTheVerifyScreen) {
    peer.reply("/forgot/checkSecurityCode.do", refused("验证码错误或已过期"));
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    verify->userIdField->setText(QStringLiteral("13800138000"));
    verify->passwordField->setText(QStringLiteral("000000"));
    verify->forgetClick();
    settle();
    EXPECT_TRUE(Toast::visibleTexts().contains("验证码错误或已过期"));
    EXPECT_EQ(top<ForgetPasswordVC>(), verify);
}

TEST_F(RecoveryTest, PasswordsThatDifferOnlyInCaseAreRefusedBeforeSending) {
    changePasswordVC* reset = openReset();
    ASSERT_NE(reset, nullptr);
    reset->userIdField->setText(QStringLiteral("Secret1"));
    reset->passwordField->setText(QStringLiteral("secret1"));
    reset->forgetClick();
    EXPECT_TRUE(Toast::visibleTexts().contains("两次不一致"));
    EXPECT_EQ(KQRequest::openCount(), 0);
}

TEST_F(RecoveryTest, AnAcceptedResetConfirmsAndLeadsBackToSignIn) {
    peer.reply("/forgot/resetPassword.do", PeerReply::json(kSuccess));
    KQSLoginVC::login()->userIdField->setText(QStringLiteral("13800138000"));
    changePasswordVC* reset = openReset();
    ASSERT_NE(reset, nullptr);
    reset->userIdField->setText(QStringLiteral("newpass1"));
    reset->passwordField->setText(QStringLiteral("newpass1"));
    reset->forgetClick();
    settle();
    const PeerRequest sent = peer.requests().first();
    EXPECT_EQ(sent.field("mobile"), "13800138000");
    EXPECT_EQ(sent.field("security_code"), "123456");
    EXPECT_EQ(sent.field("captcha"), "8075");
    EXPECT_EQ(sent.field("password"), "newpass1");
    auto* done = top<ModifiedCompleteVC>();
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->titleLabel->text(), "设置成功");
    EXPECT_EQ(done->messageLabel->text(), "密码重置成功，请登录");
    QTest::mouseClick(done->backLoginBtn, Qt::LeftButton);
    EXPECT_EQ(top<KQSLoginVC>(), KQSLoginVC::login());
    EXPECT_EQ(stack()->count(), 1);
    EXPECT_EQ(KQSLoginVC::login()->userIdField->text(), "13800138000");
}

// Only "success" confirms; the service's refusal and a lost connection say why and stay.
TEST_F(RecoveryTest, ARefusedOrUndeliveredResetStaysWithTheReason) {
    struct Case {
        const char* name;
        PeerReply reply;
        QString toast;
    };
    const QList<Case> cases{
        {"weak password", refused("密码须为6到16位，且不含引号"), "密码须为6到16位，且不含引号"},
        {"wrong code", refused("验证码错误或已过期"), "验证码错误或已过期"},
        {"unreachable", unreachable(), "请检查网络连接"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        peer.reply("/forgot/resetPassword.do", c.reply);
        changePasswordVC* reset = openReset();
        ASSERT_NE(reset, nullptr);
        reset->userIdField->setText(QStringLiteral("abc"));
        reset->passwordField->setText(QStringLiteral("abc"));
        reset->forgetClick();
        settle();
        EXPECT_TRUE(Toast::visibleTexts().contains(c.toast));
        EXPECT_EQ(top<changePasswordVC>(), reset);
        QTest::mouseClick(reset->backBtn, Qt::LeftButton);
        stack()->finishTransition();
        Clock::advance(2 * Toast::durationMs);
    }
}

TEST_F(RecoveryTest, DoneDoesNothingMoreWhileAResetIsOnItsWay) {
    PeerReply slow = PeerReply::json(kSuccess);
    slow.delayMs = 300;
    peer.reply("/forgot/resetPassword.do", slow);
    changePasswordVC* reset = openReset();
    ASSERT_NE(reset, nullptr);
    reset->userIdField->setText(QStringLiteral("newpass1"));
    reset->passwordField->setText(QStringLiteral("newpass1"));
    reset->nextBtn->setEnabled(true);
    QTest::mouseClick(reset->nextBtn, Qt::LeftButton);
    ASSERT_TRUE(reset->isResetting());
    QTest::mouseClick(reset->nextBtn, Qt::LeftButton);
    settle();
    EXPECT_EQ(peer.count("/forgot/resetPassword.do"), 1);
    EXPECT_NE(top<ModifiedCompleteVC>(), nullptr);
}

// Signed in with an account, cookies and the shop's cached values, on the sign-out screen.
class SignOutTest : public RecoveryTest {
protected:
    void SetUp() override {
        RecoveryTest::SetUp();
        KQHttpClient::cookieStore()->insertCookie(sessionCookie());
        LoginAccount::saveLoginAccountWithshopid("10001", "13800138000", "shop1234");
        KQSLoginVC::login()->userIdField->setText(QStringLiteral("13800138000"));
        KQSLoginVC::login()->passwordField->setText(QStringLiteral("shop1234"));
        for (const char* key : {"shopName", "userMoney", "GoodsCategory", "other"}) {
            Defaults::setValue(QString::fromLatin1(key), QStringLiteral("kept"));
        }
        AppDelegate::showTabs();
        logout = new KQLogoutVC;
        qobject_cast<KQSNavigtionVC*>(stack())->pushViewController(logout, true);
        stack()->finishTransition();
    }
    QNetworkCookie sessionCookie() const {
        QNetworkCookie cookie("SHOPSESSION", "abc");
        cookie.setDomain(QStringLiteral("127.0.0.1"));
        cookie.setPath(QStringLiteral("/"));
        return cookie;
    }
    Alert* confirmation() {
        QTest::mouseClick(logout->logoutBtn, Qt::LeftButton);
        return Alert::presented().isEmpty() ? nullptr : Alert::presented().last();
    }

    KQLogoutVC* logout = nullptr;
};

TEST_F(SignOutTest, CancelSendsNothing) {
    Alert* alert = confirmation();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), "提示信息");
    EXPECT_EQ(alert->message(), "您确定要退出账号嘛？");
    EXPECT_EQ(alert->actionTitles(), QStringList({"确定", "取消"}));
    alert->trigger(QStringLiteral("取消"));
    EXPECT_EQ(KQRequest::openCount(), 0);
    EXPECT_EQ(top<KQLogoutVC>(), logout);
}

TEST_F(SignOutTest, AcceptedSignOutLeavesNoCredentialsBehind) {
    peer.reply("/logout.do", PeerReply::json(kSuccess));
    confirmation()->trigger(QStringLiteral("确定"));
    settle();
    EXPECT_EQ(peer.requests().first().path, "/logout.do");
    EXPECT_EQ(top<KQSLoginVC>(), KQSLoginVC::login());
    EXPECT_FALSE(QFile::exists(KQAccountTool::accountFilePath()));
    EXPECT_FALSE(QFile::exists(KQCookies::copyFilePath()));
    EXPECT_TRUE(KQHttpClient::cookieStore()->allCookies().isEmpty());
    EXPECT_TRUE(KQSLoginVC::login()->passwordField->text().isEmpty());
    EXPECT_EQ(KQSLoginVC::login()->userIdField->text(), "13800138000");
    for (const char* key : {"shopName", "userMoney", "GoodsCategory"}) {
        EXPECT_FALSE(Defaults::contains(QString::fromLatin1(key))) << key;
    }
    EXPECT_TRUE(Defaults::contains(QStringLiteral("other")));
}

TEST_F(SignOutTest, RefusedOrUndeliveredSignOutKeepsTheOwnerSignedIn) {
    const QList<std::pair<const char*, PeerReply>> outcomes{
        {"refused", refused("服务繁忙")},
        {"unreachable", unreachable()},
    };
    for (const auto& [name, reply] : outcomes) {
        SCOPED_TRACE(name);
        peer.reply("/logout.do", reply);
        confirmation()->trigger(QStringLiteral("确定"));
        settle();
        EXPECT_EQ(top<KQLogoutVC>(), logout);
        EXPECT_TRUE(KQAccountTool::account().has_value());
        EXPECT_TRUE(QFile::exists(KQCookies::copyFilePath()));
        EXPECT_EQ(KQSLoginVC::login()->passwordField->text(), "shop1234");
    }
}

} // namespace
