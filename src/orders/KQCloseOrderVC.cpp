#include "orders/KQCloseOrderVC.h"

#include "orders/OrderNotifications.h"
#include "orders/OrderWidgets.h"
#include "platform/Assets.h"
#include "platform/NotificationCenter.h"
#include "service/KQHttpClientList.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kSideMargin = 14;
constexpr int kTitleTop = 15;
constexpr int kTitleHeight = 48;
constexpr int kBoxHeight = 197;
constexpr int kBottomHeight = 49;
constexpr int kReasonLeft = 17;
constexpr int kReasonTop = 18;
constexpr int kReasonPitch = 35;
constexpr int kReasonHeight = 18;
} // namespace

KQCloseOrderVC::KQCloseOrderVC(const QString& orderId, QWidget* parent)
    : KQSBaesVC(parent), order_id_(orderId), reason_(reasons().first()) {
    setObjectName(QStringLiteral("KQCloseOrderVC"));
}

QStringList KQCloseOrderVC::reasons() {
    return {"无法联系上买家", "买家误拍或者重新拍了", "买家无诚意完成交易", "已经缺货无法交易",
            "其他"};
}

void KQCloseOrderVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    auto* title =
        OrderWidgets::label(this, QStringLiteral("reasonTitle"), 15, QColor(102, 102, 102),
                            QStringLiteral("  选择关闭订单的理由:"));
    title->setStyleSheet(title->styleSheet() + QStringLiteral("background: white;"));
    titleLabel_ = title;
    box_ = OrderWidgets::block(this, Qt::white, QStringLiteral("reasonBox"));
    OrderWidgets::block(box_, Style::hairline())->setGeometry(0, 0, 2000, 1);
    const QString style =
        QStringLiteral("QPushButton { border: none; background: transparent; color: %1;"
                       " text-align: left; }")
            .arg(Style::rgbText(Style::greyText()));
    QIcon icon;
    icon.addPixmap(Assets::image(QStringLiteral("orderManager_tuoyuan"), QSize(20, 20)),
                   QIcon::Normal, QIcon::Off);
    icon.addPixmap(Assets::image(QStringLiteral("orderManager_select"), QSize(20, 20)),
                   QIcon::Normal, QIcon::On);
    const QStringList all = reasons();
    for (int i = 0; i < all.size(); ++i) {
        auto* button = new QPushButton(QStringLiteral("   ") + all.at(i), box_);
        button->setObjectName(QStringLiteral("reasonBtn%1").arg(i));
        button->setAccessibleName(all.at(i));
        button->setProperty("reason", all.at(i));
        button->setCheckable(true);
        button->setChecked(i == 0);
        button->setIcon(icon);
        button->setIconSize(QSize(20, 18));
        button->setFont(Style::systemFont(13));
        button->setStyleSheet(style);
        button->setGeometry(kReasonLeft, kReasonTop + kReasonPitch * i, 300, kReasonHeight);
        connect(button, &QPushButton::clicked, this, [this, button] { btnClick(button); });
        btnArr_.append(button);
    }
    submitBtn_ =
        OrderWidgets::bottomButton(this, QStringLiteral("submitBtn"), QStringLiteral("提交"));
    connect(submitBtn_, &QPushButton::clicked, this, &KQCloseOrderVC::saveClick);
}

void KQCloseOrderVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("关闭订单"));
}

void KQCloseOrderVC::layoutContent() {
    const int inner = width() - 2 * kSideMargin;
    titleLabel_->setGeometry(kSideMargin, kNaviBarHeight + kTitleTop, inner, kTitleHeight);
    box_->setGeometry(kSideMargin, titleLabel_->geometry().bottom() + 1, inner, kBoxHeight);
    submitBtn_->setGeometry(0, height() - kBottomHeight, width(), kBottomHeight);
}

void KQCloseOrderVC::btnClick(QPushButton* button) {
    for (QPushButton* each : btnArr_) {
        each->setChecked(false);
    }
    button->setChecked(true);
    reason_ = button->property("reason").toString();
}

void KQCloseOrderVC::saveClick() {
    KQProject& bag = KQProject::project();
    bag.order_id = order_id_;
    bag.reason = reason_;
    KQHttpClientList::request_CloseOrderWith(bag, onReply([this](const QJsonObject&) { closed(); }))
        ->guardedBy(this);
}

void KQCloseOrderVC::closed() {
    NotificationCenter::post(OrderNotifications::sendGoods());
    back();
}
