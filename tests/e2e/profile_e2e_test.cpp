#include "app/ForgetPasswordVC.h"
#include "app/KQLogoutVC.h"
#include "app/KQSNavigtionVC.h"
#include "app/ModifiedCompleteVC.h"
#include "app/changePasswordVC.h"
#include "platform/Alert.h"
#include "platform/CountDownButton.h"
#include "service/KQAccountTool.h"
#include "service/KQCookies.h"
#include "settings/KQSSettingVC.h"
#include "settings/KQSettingViewController.h"
#include "settings/SettingsScreens.h"
#include "support/E2EFixture.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// The demo owner keeping the shop profile, recovering a password and signing out.
class ProfileE2E : public E2EFixture {
protected:
    void SetUp() override {
        E2EFixture::SetUp();
        registerSettingsScreens();
    }

    NavigationStack* stack() const {
        return tabs() ? tabs()->currentStack() : qobject_cast<NavigationStack*>(window->root());
    }
    // Waits until the screen on top is an S and its requests are answered.
    template <class S> S* topAs() {
        EXPECT_TRUE(waitUntil([this] { return qobject_cast<S*>(stack()->top()) != nullptr; }));
        stack()->finishTransition();
        EXPECT_TRUE(settle());
        return qobject_cast<S*>(stack()->top());
    }

    // The personal centre with the profile loaded.
    KQSSettingVC* personalCentre() {
        QTest::mouseClick(tabs()->itmes[2], Qt::LeftButton);
        auto* centre = topAs<KQSSettingVC>();
        EXPECT_TRUE(centre && centre->model().has_value());
        return centre;
    }
    KQSSettingShopModel reloaded(KQSSettingVC* centre) {
        centre->getConfigData();
        EXPECT_TRUE(settle());
        return centre->model().value_or(KQSSettingShopModel{});
    }
    // Opens the row's editor, types the text over what it held and saves.
    void edit(KQSSettingVC* centre, int row, const QString& text) {
        centre->didSelectRow({0, row});
        auto* editor = topAs<KQSettingViewController>();
        ASSERT_NE(editor, nullptr);
        editor->textField->clear();
        // Chinese comes from the input method, not from single key presses.
        editor->textField->insert(text);
        QTest::mouseClick(editor->saveBtn, Qt::LeftButton);
        ASSERT_EQ(topAs<KQSSettingVC>(), centre);
    }

    static void type(QLineEdit* field, const QString& text) {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClicks(field, text);
    }
    // The number typed and a code asked for; returns the code the service printed.
    QString askForCode(ForgetPasswordVC* verify) {
        type(verify->userIdField, kMobile);
        const qsizetype printedBefore = service->printed().size();
        QTest::mouseClick(verify->countDownCode, Qt::LeftButton);
        EXPECT_TRUE(settle());
        const QRegularExpression line(
            QStringLiteral("security code for %1: ([0-9]{6})").arg(kMobile));
        QRegularExpressionMatch found;
        waitUntil([&] {
            found = line.match(service->printed(), printedBefore);
            return found.hasMatch();
        });
        return found.captured(1);
    }
    ForgetPasswordVC* openRecovery() {
        QTest::mouseClick(KQSLoginVC::login()->forgetBtn, Qt::LeftButton);
        return topAs<ForgetPasswordVC>();
    }
    changePasswordVC* checkCode(ForgetPasswordVC* verify, const QString& code) {
        type(verify->passwordField, code);
        QTest::mouseClick(verify->nextBtn, Qt::LeftButton);
        EXPECT_TRUE(settle());
        stack()->finishTransition();
        return qobject_cast<changePasswordVC*>(stack()->top());
    }
    void setNewPassword(changePasswordVC* reset, const QString& password) {
        reset->userIdField->clear();
        reset->passwordField->clear();
        type(reset->userIdField, password);
        type(reset->passwordField, password);
        QTest::mouseClick(reset->nextBtn, Qt::LeftButton);
        EXPECT_TRUE(settle());
        stack()->finishTransition();
    }
};

TEST_F(ProfileE2E, ChangingTheCompanyNameKeepsEveryOtherField) {
    launch();
    signIn();
    KQSSettingVC* centre = personalCentre();
    ASSERT_NE(centre, nullptr);
    const KQSSettingShopModel before = *centre->model();

    edit(centre, KQSSettingVC::NameRow, QStringLiteral("新的公司名"));
    EXPECT_TRUE(Toast::visibleTexts().contains("保存成功"));
    KQSSettingShopModel expected = before;
    expected.name = QStringLiteral("新的公司名");
    const KQSSettingShopModel after = reloaded(centre);
    EXPECT_EQ(RecordMapper::toJson(after), RecordMapper::toJson(expected));
}

TEST_F(ProfileE2E, ARefusedEmailDoesNotSpoilTheNextEdit) {
    launch();
    signIn();
    KQSSettingVC* centre = personalCentre();
    ASSERT_NE(centre, nullptr);
    const QString email = centre->model()->email;

    edit(centre, KQSSettingVC::EmailRow, QStringLiteral("abc"));
    EXPECT_TRUE(Toast::visibleTexts().contains("请输入正确的邮箱"));
    EXPECT_EQ(centre->model()->email, email);
    edit(centre, KQSSettingVC::ContactsRow, QStringLiteral("王五"));
    EXPECT_TRUE(Toast::visibleTexts().contains("保存成功"));

    const KQSSettingShopModel after = reloaded(centre);
    EXPECT_EQ(after.contacts, "王五");
    EXPECT_EQ(after.email, email);
}

TEST_F(ProfileE2E, ThePrintedCodeResetsThePasswordAndTheNewOneSignsIn) {
    launch();
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    const QString code = askForCode(verify);
    ASSERT_FALSE(code.isEmpty());
    EXPECT_TRUE(verify->countDownCode->isCounting());
    changePasswordVC* reset = checkCode(verify, code);
    ASSERT_NE(reset, nullptr);
    setNewPassword(reset, QStringLiteral("newpass1"));
    auto* done = topAs<ModifiedCompleteVC>();
    ASSERT_NE(done, nullptr);
    QTest::mouseClick(done->backLoginBtn, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([this] { return showsSignIn(); }));

    signIn(kMobile, kPassword);
    EXPECT_TRUE(showsSignIn()) << "the old password is gone";
    signIn(kMobile, QStringLiteral("newpass1"));
    EXPECT_NE(tabs(), nullptr);
}

TEST_F(ProfileE2E, AWrongCodeAndAWeakPasswordAreRefusedOnScreen) {
    launch();
    ForgetPasswordVC* verify = openRecovery();
    ASSERT_NE(verify, nullptr);
    const QString code = askForCode(verify);
    ASSERT_FALSE(code.isEmpty());
    EXPECT_EQ(checkCode(verify, code == "111111" ? "222222" : "111111"), nullptr);
    EXPECT_TRUE(Toast::visibleTexts().contains("验证码错误或已过期"));
    EXPECT_EQ(stack()->top(), verify);

    verify->passwordField->clear();
    changePasswordVC* reset = checkCode(verify, code);
    ASSERT_NE(reset, nullptr);
    setNewPassword(reset, QStringLiteral("abc"));
    EXPECT_TRUE(Toast::visibleTexts().contains("密码须为6到16位，且不含引号"));
    EXPECT_EQ(stack()->top(), reset) << "no \"设置成功\" for a refused password";
    QTest::mouseClick(reset->backBtn, Qt::LeftButton);
    stack()->finishTransition();
    QTest::mouseClick(verify->backBtn, Qt::LeftButton);
    stack()->finishTransition();
    signIn();
    EXPECT_NE(tabs(), nullptr) << "the password is unchanged";
}

TEST_F(ProfileE2E, SignOutLeavesNoCredentialsAndTheNextLaunchAsksForThem) {
    launch();
    signIn();
    KQSSettingVC* centre = personalCentre();
    ASSERT_NE(centre, nullptr);
    ASSERT_TRUE(QFile::exists(KQCookies::copyFilePath()));
    centre->didSelectRow({1, 0});
    auto* logout = topAs<KQLogoutVC>();
    ASSERT_NE(logout, nullptr);
    QTest::mouseClick(logout->logoutBtn, Qt::LeftButton);
    ASSERT_FALSE(Alert::presented().isEmpty());
    Alert::presented().last()->trigger(QStringLiteral("确定"));
    EXPECT_TRUE(settle());

    EXPECT_TRUE(showsSignIn());
    EXPECT_FALSE(KQAccountTool::account().has_value());
    EXPECT_FALSE(QFile::exists(KQAccountTool::accountFilePath()));
    EXPECT_FALSE(QFile::exists(KQCookies::copyFilePath()));
    EXPECT_TRUE(KQHttpClient::cookieStore()->allCookies().isEmpty());
    EXPECT_TRUE(KQSLoginVC::login()->passwordField->text().isEmpty());
    EXPECT_EQ(KQSLoginVC::login()->userIdField->text(), kMobile);

    launch();
    EXPECT_TRUE(showsSignIn());
    EXPECT_EQ(KQRequest::openCount(), 0);
}

} // namespace
