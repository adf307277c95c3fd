#pragma once

#include "app/KQSBaesVC.h"

class QLabel;
class QPushButton;

// Password recovery, last step: "设置成功" and the way back to the sign-in screen.
class ModifiedCompleteVC : public KQSBaesVC {
    Q_OBJECT
public:
    ModifiedCompleteVC();

    QLabel* titleLabel;
    QLabel* imageView;
    QLabel* messageLabel;
    QPushButton* backLoginBtn;

    // "回到登录页": back to the first screen of the sign-in stack.
    void forgetClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutViews();
};
