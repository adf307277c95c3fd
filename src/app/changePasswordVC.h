#pragma once

#include "app/RecoveryForm.h"

// Password recovery, second step "重置密码": the new password twice, shown in plain text; "完成"
// sends it with the number and code of the first step and, once the service accepted it,
// opens the confirmation.
class changePasswordVC : public RecoveryForm {
    Q_OBJECT
public:
    changePasswordVC();

    QString iphone;
    QString code;

    void forgetClick() override;
    bool isResetting() const { return resetting_; }

private:
    void resetAnswered(const QJsonObject* reply);

    bool resetting_ = false;
};
