#include "app/ForgetPasswordVC.h"

#include "app/CredentialPanel.h"
#include "app/KQSNavigtionVC.h"
#include "app/changePasswordVC.h"
#include "platform/CountDownButton.h"
#include "platform/Toast.h"
#include "service/KQHttpClientList.h"
#include "ui/Style.h"

#include <QLineEdit>
#include <memory>

namespace {
constexpr int kCountDownWidth = 90;
} // namespace

ForgetPasswordVC::ForgetPasswordVC()
    : RecoveryForm({QStringLiteral("验证手机"), QStringLiteral("Login_geren"),
                    QStringLiteral("请输入手机号"), QStringLiteral("Login_yanzm"),
                    QStringLiteral("请输入验证码"), QStringLiteral("下一步")}) {
    setObjectName(QStringLiteral("ForgetPasswordVC"));
    userIdField->setInputMethodHints(Qt::ImhDigitsOnly);
    passwordField->setInputMethodHints(Qt::ImhDigitsOnly);

    countDownCode = new CountDownButton(QStringLiteral("获取验证码"));
    countDownCode->setObjectName(QStringLiteral("countDownCode"));
    countDownCode->setFinishedTitle(QStringLiteral("重新获取"));
    countDownCode->setTitleColors(Style::accentRed(), QColor(175, 181, 186));
    countDownCode->setTitlePointSize(15);
    textBarView->setSecondRowAccessory(countDownCode, kCountDownWidth);
    connect(countDownCode, &QPushButton::clicked, this, &ForgetPasswordVC::getCodeClick);
}

void ForgetPasswordVC::getCodeClick() {
    const QString mobile = userIdField->text();
    if (mobile.isEmpty()) {
        Toast::showMessage(QStringLiteral("请输入手机号"));
        return;
    }
    countDownCode->start(kCodeSeconds);
    KQProject& bag = KQProject::project();
    bag.mobile = mobile;
    // A refused or undelivered request sends no code, so there is nothing to wait for.
    auto sent = std::make_shared<bool>(false);
    KQRequest* request = KQHttpClientList::request_GetSecurityCode(
        bag, [sent](const QJsonObject* reply, const ServiceError*) { *sent = reply != nullptr; });
    request->guardedBy(this);
    connect(request, &KQRequest::finished, this, [this, sent] {
        if (!*sent) {
            countDownCode->finish();
        }
    });
}

void ForgetPasswordVC::forgetClick() {
    const QString mobile = userIdField->text();
    const QString code = passwordField->text();
    KQProject& bag = KQProject::project();
    // The code is checked against the number it was sent to, never against any live code.
    bag.mobile = mobile;
    bag.security_code = code;
    KQHttpClientList::request_CheckSecurityCode(bag, [this, mobile, code](const QJsonObject* reply,
                                                                          const ServiceError*) {
        if (reply) {
            openReset(mobile, code);
        }
    })->guardedBy(this);
}

void ForgetPasswordVC::openReset(const QString& mobile, const QString& code) {
    auto* reset = new changePasswordVC;
    reset->iphone = mobile;
    reset->code = code;
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->pushViewController(reset, true);
    } else {
        delete reset;
    }
}
