#include "orders/KQOrderStatusView.h"

#include "orders/OrderNotifications.h"
#include "orders/OrderStatus.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "ui/KQBorderButton.h"
#include "ui/PanelLayout.h"

#include <QLabel>

namespace {
constexpr int kSecondsPerDay = 86400;
constexpr int kTickMs = 1000;
} // namespace

KQOrderStatusView::KQOrderStatusView(int panel, QWidget* parent)
    : QWidget(parent), panel_(panel), viewHeight_(heightForPanel(panel)) {
    setObjectName(QStringLiteral("statusView"));
    const QString layoutName = layoutForPanel(panel);
    if (!layoutName.isEmpty()) {
        layout_ = new PanelLayout(layoutName, this);
    }
    resize(375, int(viewHeight_));
}

KQOrderStatusView::~KQOrderStatusView() = default;

int KQOrderStatusView::heightForPanel(int panel) {
    switch (panel) {
    case 2:
        return 220;
    case 3:
        return 200;
    case 4:
        return 266;
    case 5:
        return 205;
    default:
        return 271;
    }
}

QString KQOrderStatusView::layoutForPanel(int panel) {
    switch (panel) {
    case 0:
        return QStringLiteral("KQOrderStatus1");
    case 1:
        return QStringLiteral("KQOrderStatus2");
    case 2:
        return QStringLiteral("KQOrderStatus3");
    case 3:
        return QStringLiteral("KQOrderStatus4");
    case 5:
        return QStringLiteral("KQOrderStatus5");
    default:
        return QString();
    }
}

void KQOrderStatusView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (layout_) {
        layout_->setGeometry(rect());
    }
}

void KQOrderStatusView::setStatusDetailArray(const QList<KQOrderStatusDetailModel>& entries) {
    statusDetailArray_ = entries;
    for (const KQOrderStatusDetailModel& entry : entries) {
        readEntry(entry);
    }
}

void KQOrderStatusView::readEntry(const KQOrderStatusDetailModel& entry) {
    if (!layout_) {
        return;
    }
    const QString name = layout_->layoutName();
    if (entry.status == u"deliver" && name == u"KQOrderStatus3") {
        if (auto* duration = layout_->element<QLabel>(QStringLiteral("duration3"))) {
            duration->setText(refundWindowText(OrderTexts::remainingSeconds(entry.expiry_time)));
        }
    } else if (entry.status == u"closed" && name == u"KQOrderStatus5") {
        if (auto* reason = layout_->element<QLabel>(QStringLiteral("reason"))) {
            reason->setText(QStringLiteral("关闭理由:%1").arg(entry.reason));
        }
        if (auto* refund = layout_->element<QLabel>(QStringLiteral("refundMoney"))) {
            refund->setText(
                QStringLiteral("订单退款金额: %1").arg(OrderTexts::dollars(entry.refund_amount)));
        }
    } else if (entry.status == u"payment-done" && name == u"KQOrderStatus2") {
        if (auto* go = layout_->element<KQBorderButton>(QStringLiteral("gotoBtn"))) {
            connect(go, &QPushButton::clicked, this, [this, go] {
                if (delegate) {
                    delegate->orderGotoBtnClick(go);
                }
            });
        }
        if (auto* close = layout_->element<KQBorderButton>(QStringLiteral("closeBtn"))) {
            connect(close, &QPushButton::clicked, this, [this, close] {
                if (delegate) {
                    delegate->orderColseBtnClick(close);
                }
            });
        }
    } else if (entry.status == u"payment" && name == u"KQOrderStatus1") {
        firstDurationLabel_ = layout_->element<QLabel>(QStringLiteral("firstDuration"));
        setExpirtTime(entry.expiry_time);
        if (auto* close = layout_->element<KQBorderButton>(QStringLiteral("closeBtn"))) {
            connect(close, &QPushButton::clicked, this, [this, close] {
                if (delegate) {
                    delegate->orderColseBtnClick(close);
                }
            });
        }
    }
}

QString KQOrderStatusView::refundWindowText(int seconds) {
    if (seconds <= 0) {
        return QStringLiteral("买家申请退款的期限已过");
    }
    if (seconds >= kSecondsPerDay) {
        return QStringLiteral("买家如在%1天内没有申请退款").arg(seconds / kSecondsPerDay);
    }
    return QStringLiteral("买家如在%1时%2分内没有申请退款")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds % 3600) / 60, 2, 10, QLatin1Char('0'));
}

QString KQOrderStatusView::paymentText(int seconds) {
    if (seconds <= 0) {
        return QStringLiteral("买家付款时间已到");
    }
    return QStringLiteral("如买家未在%1时%2分%3秒内付款")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds % 3600) / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void KQOrderStatusView::setExpirtTime(const QString& expiryMs) {
    stopClock();
    startTime_ = OrderTexts::remainingSeconds(expiryMs);
    if (startTime_ > 0) {
        clockTimer_ = new Timer(this);
        connect(clockTimer_, &Timer::timeout, this, &KQOrderStatusView::clockDidTick);
        clockTimer_->start(kTickMs, true);
    }
    timeFormatFromTimeValue(startTime_);
}

void KQOrderStatusView::clockDidTick() {
    startTime_ -= 1;
    timeFormatFromTimeValue(startTime_);
}

void KQOrderStatusView::timeFormatFromTimeValue(int seconds) {
    if (firstDurationLabel_) {
        firstDurationLabel_->setText(paymentText(seconds));
    }
    if (seconds <= 0) {
        // Posted once per count-down, whether the deadline ran out now or had passed already.
        stopClock();
        NotificationCenter::post(OrderNotifications::paymentTimeOver());
    }
}

void KQOrderStatusView::stopClock() {
    if (clockTimer_) {
        clockTimer_->stop();
        clockTimer_->deleteLater();
        clockTimer_ = nullptr;
    }
}

bool KQOrderStatusView::isCounting() const {
    return clockTimer_ && clockTimer_->isActive();
}
