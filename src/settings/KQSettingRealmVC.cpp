#include "settings/KQSettingRealmVC.h"

#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "app/ValidateTool.h"
#include "platform/Toast.h"
#include "service/KQHttpClientList.h"
#include "settings/KQSettingViewController.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {
constexpr int kRowTop = 64 + 15;
constexpr int kRowHeight = 44;
constexpr int kRowInset = 15;
constexpr int kCaptionWidth = 80;
} // namespace

KQSettingRealmVC::KQSettingRealmVC() : row_(new QWidget(this)) {
    setObjectName(QStringLiteral("KQSettingRealmVC"));
    row_->setObjectName(QStringLiteral("realmRow"));
    row_->setAttribute(Qt::WA_StyledBackground);
    row_->setStyleSheet(QStringLiteral("#realmRow { background: white; }"));
    auto* caption = new QLabel(QStringLiteral("二级域名"), row_);
    caption->setObjectName(QStringLiteral("captionLabel"));
    caption->setFont(Style::systemFont(13));
    caption->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));
    caption->setGeometry(kRowInset, 0, kCaptionWidth, kRowHeight);
    rightL = new QLabel(row_);
    rightL->setObjectName(QStringLiteral("rightL"));
    rightL->setFont(Style::systemFont(13));
    rightL->setTextFormat(Qt::PlainText);
    rightL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rightL->setStyleSheet(QStringLiteral("color: rgb(102,102,102);"));
}

void KQSettingRealmVC::viewWillAppear() {
    RCNavigationbar* bar = setUpNaviBar(QStringLiteral("修改域名"));
    if (subdomain.isEmpty()) {
        RCNavigationbar::setTextAction(bar->right0, QStringLiteral("编辑"),
                                       [this] { editRealm(); });
        bar->right0->setObjectName(QStringLiteral("editBtn"));
    }
    showSubdomain();
}

void KQSettingRealmVC::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    row_->setGeometry(0, kRowTop, width(), kRowHeight);
    const int rightLeft = kRowInset + kCaptionWidth;
    rightL->setGeometry(rightLeft, 0, std::max(0, width() - kRowInset - rightLeft), kRowHeight);
}

void KQSettingRealmVC::showSubdomain() {
    rightL->setText(subdomain.isEmpty() ? QStringLiteral("未设置") : subdomain);
}

void KQSettingRealmVC::editRealm() {
    QPointer<KQSettingRealmVC> self(this);
    auto* editor = KQSettingViewController::settingTextVCWithTitle(
        QStringLiteral("修改域名"), QString(), [self](const QString& text) {
            if (self) {
                self->subdomainChosen(text);
            }
        });
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->pushViewController(editor, true);
    } else {
        delete editor;
    }
}

void KQSettingRealmVC::subdomainChosen(const QString& text) {
    if (!ValidateTool::validateSubdomain(text)) {
        Toast::showError(QStringLiteral("非法域名"));
        return;
    }
    KQProject& bag = KQProject::project();
    bag.subdomain = text;
    KQHttpClientList::request_UpdateSubdomainWith(bag, [this, text](const QJsonObject* reply,
                                                                    const ServiceError*) {
        if (reply) {
            subdomainSaved(text);
        }
    })->guardedBy(this);
}

void KQSettingRealmVC::subdomainSaved(const QString& text) {
    Toast::showSuccess(QStringLiteral("修改成功"));
    subdomain = text;
    showSubdomain();
    // Set once, never changed here again.
    if (naviBar()) {
        naviBar()->right0->hide();
    }
}
