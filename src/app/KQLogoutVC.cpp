#include "app/KQLogoutVC.h"

#include "app/AppDelegate.h"
#include "app/KQSLoginVC.h"
#include "platform/Defaults.h"
#include "service/KQAccountTool.h"
#include "service/KQCookies.h"
#include "service/KQHttpClientList.h"
#include "ui/KQAlert.h"
#include "ui/Style.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {
constexpr int kButtonTop = 84;
constexpr int kButtonInset = 13;
constexpr int kButtonHeight = 40;

// The shop's values other screens keep between launches; they belong to the owner leaving.
const QStringList& shopDefaults() {
    static const QStringList keys{QStringLiteral("shopName"), QStringLiteral("userMoney"),
                                  QStringLiteral("GoodsCategory")};
    return keys;
}
} // namespace

KQLogoutVC::KQLogoutVC() {
    setObjectName(QStringLiteral("KQLogoutVC"));
    logoutBtn = new QPushButton(QStringLiteral("退出"), this);
    logoutBtn->setObjectName(QStringLiteral("logoutBtn"));
    logoutBtn->setFont(Style::systemFont(15));
    logoutBtn->setStyleSheet(Style::actionButtonSheet());
    connect(logoutBtn, &QPushButton::clicked, this, &KQLogoutVC::btnClick);
}

void KQLogoutVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("退出账号"));
}

void KQLogoutVC::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    logoutBtn->setGeometry(kButtonInset, kButtonTop, width() - 2 * kButtonInset, kButtonHeight);
}

void KQLogoutVC::btnClick() {
    QPointer<KQLogoutVC> self(this);
    Alert* alert = KQAlert::alertControllerWithOKaction(
        KQAlertAction{QStringLiteral("确定"), Alert::Style::Destructive,
                      [self] {
                          if (self) {
                              self->signOut();
                          }
                      }},
        KQAlertAction{QStringLiteral("取消"), Alert::Style::Cancel, {}}, QStringLiteral("提示信息"),
        QStringLiteral("您确定要退出账号嘛？"));
    alert->present();
}

void KQLogoutVC::signOut() {
    KQHttpClientList::request_LogoutBlock([](const QJsonObject* reply, const ServiceError*) {
        if (reply) {
            signedOut();
        }
    })->guardedBy(this);
}

void KQLogoutVC::signedOut() {
    KQAccountTool::deleteAccount();
    KQCookies::deleteCopy();
    KQSLoginVC::login()->passwordField->clear();
    for (const QString& key : shopDefaults()) {
        Defaults::remove(key);
    }
    AppDelegate::showSignIn();
}
