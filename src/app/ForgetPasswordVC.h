#pragma once

#include "app/RecoveryForm.h"

class CountDownButton;

// Password recovery, first step "验证手机": the mobile number and the security code the service
// sends to it; "下一步" checks the code and opens the new-password screen.
class ForgetPasswordVC : public RecoveryForm {
    Q_OBJECT
public:
    static constexpr int kCodeSeconds = 60;

    ForgetPasswordVC();

    CountDownButton* countDownCode;

    // "获取验证码": asks the service to send a code to the number and counts down meanwhile.
    void getCodeClick();
    void forgetClick() override;

private:
    void openReset(const QString& mobile, const QString& code);
};
