#include "app/ModifiedCompleteVC.h"

#include "app/KQSNavigtionVC.h"
#include "platform/Assets.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPushButton>

namespace {
// The title sits where the form screens have theirs; the rest is centred under it.
constexpr int kTitleTop = 70;
constexpr int kTitleHeight = 24;
constexpr int kImageGap = 40;
constexpr int kMessageGap = 20;
constexpr int kMessageHeight = 20;
constexpr int kButtonGap = 40;
constexpr int kInset = 25;
constexpr int kButtonHeight = 50;
} // namespace

ModifiedCompleteVC::ModifiedCompleteVC() {
    setObjectName(QStringLiteral("ModifiedCompleteVC"));
    titleLabel = new QLabel(QStringLiteral("设置成功"), this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setFont(Style::systemFont(17));
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));

    imageView = new QLabel(this);
    imageView->setObjectName(QStringLiteral("imageView"));
    imageView->setPixmap(Assets::image(QStringLiteral("Login_zhengque")));
    imageView->setAccessibleName(QStringLiteral("设置成功"));

    messageLabel = new QLabel(QStringLiteral("密码重置成功，请登录"), this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setFont(Style::systemFont(15));
    messageLabel->setAlignment(Qt::AlignCenter);
    messageLabel->setStyleSheet(
        QStringLiteral("color: %1;").arg(Style::rgbText(Style::greyText())));

    backLoginBtn = new QPushButton(QStringLiteral("回到登录页"), this);
    backLoginBtn->setObjectName(QStringLiteral("backLoginBtn"));
    backLoginBtn->setFont(Style::systemFont(15));
    backLoginBtn->setStyleSheet(Style::primaryButtonSheet());
    connect(backLoginBtn, &QPushButton::clicked, this, &ModifiedCompleteVC::forgetClick);
    layoutViews();
}

void ModifiedCompleteVC::forgetClick() {
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->popToRootViewController(true);
    }
}

void ModifiedCompleteVC::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    layoutViews();
}

void ModifiedCompleteVC::layoutViews() {
    const int w = width();
    titleLabel->setGeometry(0, kTitleTop, w, kTitleHeight);
    const QSize image = imageView->pixmap().deviceIndependentSize().toSize();
    const int imageTop = kTitleTop + kTitleHeight + kImageGap;
    imageView->setGeometry((w - image.width()) / 2, imageTop, image.width(), image.height());
    const int messageTop = imageTop + image.height() + kMessageGap;
    messageLabel->setGeometry(0, messageTop, w, kMessageHeight);
    backLoginBtn->setGeometry(kInset, messageTop + kMessageHeight + kButtonGap, w - 2 * kInset,
                              kButtonHeight);
}
