#include "app/changePasswordVC.h"

#include "app/KQSNavigtionVC.h"
#include "app/ModifiedCompleteVC.h"
#include "platform/Toast.h"
#include "service/KQHttpClientList.h"

#include <QJsonObject>
#include <QLineEdit>

changePasswordVC::changePasswordVC()
    : RecoveryForm({QStringLiteral("重置密码"), QStringLiteral("Login_mima"),
                    QStringLiteral("请输入新密码"), QStringLiteral("Login_iconfont-queren"),
                    QStringLiteral("再次输入新密码"), QStringLiteral("完成")}) {
    setObjectName(QStringLiteral("changePasswordVC"));
}

void changePasswordVC::forgetClick() {
    // One reset at a time: a second touch while the first is on its way would send it again.
    if (resetting_) {
        return;
    }
    const QString password = userIdField->text();
    if (password != passwordField->text()) {
        Toast::showMessage(QStringLiteral("两次不一致"));
        return;
    }
    resetting_ = true;
    KQRequest* request = KQHttpClientList::request_ResetPassword(
        iphone, code, password,
        [this](const QJsonObject* reply, const ServiceError*) { resetAnswered(reply); });
    request->guardedBy(this);
    connect(request, &KQRequest::finished, this, [this] { resetting_ = false; });
}

void changePasswordVC::resetAnswered(const QJsonObject* reply) {
    if (!reply) {
        Toast::showError(QStringLiteral("请检查网络连接"));
        return;
    }
    if (reply->value("status").toString() != QStringLiteral("success")) {
        const QString message = reply->value("message").toString();
        Toast::showError(message.isEmpty() ? QStringLiteral("密码重置失败") : message);
        return;
    }
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->pushViewController(new ModifiedCompleteVC, true);
    }
}
