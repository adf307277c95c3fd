#pragma once

#include "app/KQSBaesVC.h"

class QPushButton;

// "退出账号": signs the owner out after a confirmation, once the service agreed.
class KQLogoutVC : public KQSBaesVC {
    Q_OBJECT
public:
    KQLogoutVC();

    QPushButton* logoutBtn;

    // "退出": asks "您确定要退出账号嘛？" first.
    void btnClick();
    // What signing out leaves: no account, no cookies or saved copy of them, no password on
    // the sign-in screen (the number stays) and none of the shop's cached values; then the
    // sign-in screen.
    static void signedOut();

protected:
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void signOut();
};
