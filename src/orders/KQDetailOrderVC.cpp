#include "orders/KQDetailOrderVC.h"

#include "app/RCNavigationbar.h"
#include "orders/KQCloseOrderVC.h"
#include "orders/KQDetailPanels.h"
#include "orders/KQLogistyMsgVC.h"
#include "orders/KQSendGoodsVC.h"
#include "orders/OrderNotifications.h"
#include "orders/OrderStatus.h"
#include "platform/KineticScrollView.h"
#include "platform/NotificationCenter.h"
#include "service/KQHttpClientList.h"
#include "ui/Style.h"

namespace {
constexpr int kGap = 12;
constexpr int kBottomRoom = 20;
} // namespace

KQDetailOrderVC::KQDetailOrderVC(const QString& orderId, QWidget* parent)
    : KQSBaesVC(parent), orderID_(orderId) {
    setObjectName(QStringLiteral("KQDetailOrderVC"));
}

void KQDetailOrderVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("订单详情"));
    // Observed only while shown, so a detail further down the stack never answers the
    // count-down of the one on top.
    NotificationCenter::stopObserving(this);
    NotificationCenter::observe(OrderNotifications::paymentTimeOver(), this,
                                [this] { paymentTimeOver(); });
    getOrderDetail();
}

void KQDetailOrderVC::viewWillDisappear() {
    if (contentV_) {
        contentV_->stopClock();
    }
    NotificationCenter::stopObserving(this);
}

void KQDetailOrderVC::getOrderDetail() {
    clearContent();
    if (fetch_) {
        fetch_->abort();
    }
    KQProject& bag = KQProject::project();
    bag.order_id = orderID_;
    fetch_ =
        KQHttpClientList::request_OrderDetailWith(bag, onReply([this](const QJsonObject& reply) {
                                                      orderModel_ =
                                                          OrderPayload::orderDetail(reply);
                                                      setUpContentView();
                                                  }));
    fetch_->guardedBy(this);
}

void KQDetailOrderVC::clearContent() {
    delete scrollView_;
    scrollView_ = nullptr;
    content_ = nullptr;
    contentV_ = nullptr;
    productMsg_ = nullptr;
    orderMsg_ = nullptr;
    progress_ = nullptr;
}

void KQDetailOrderVC::paymentTimeOver() {
    QString deadline;
    if (orderModel_) {
        for (const KQOrderStatusDetailModel& entry : orderModel_->statusDetails()) {
            if (entry.status == u"payment") {
                deadline = entry.expiry_time;
            }
        }
    }
    if (refetchedOnce_ && deadline == refetchedDeadline_) {
        return;
    }
    refetchedOnce_ = true;
    refetchedDeadline_ = deadline;
    // The status view that posted is still on the call stack; it goes with the next fetch.
    QMetaObject::invokeMethod(this, &KQDetailOrderVC::getOrderDetail, Qt::QueuedConnection);
}

void KQDetailOrderVC::setUpContentView() {
    clearContent();
    const KQOrderModel& order = *orderModel_;
    const int w = width();
    scrollView_ = new KineticScrollView(this);
    scrollView_->setObjectName(QStringLiteral("scrollView"));
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("content"));
    content_->setAttribute(Qt::WA_StyledBackground);
    content_->setStyleSheet(QStringLiteral("QWidget#content { background: %1; }")
                                .arg(Style::rgbText(Style::background())));

    const int panel = OrderStatus::panel(order.status);
    contentV_ = new KQOrderStatusView(panel, content_);
    contentV_->delegate = this;
    contentV_->setGeometry(0, 0, w, int(contentV_->viewHeight()));

    const bool shipped = panel == 2 || panel == 3 || panel == 4;
    productMsgViewH_ = KQDetailProductMsgView::heightFor(int(order.item_list.size()), shipped);
    productMsg_ = new KQDetailProductMsgView(
        order.items(), QStringLiteral("状态: %1").arg(OrderStatus::detailLabel(order.status)),
        order.waybill, shipped, content_);
    productMsg_->setGeometry(kGap, contentV_->geometry().bottom() + 1 + kGap, w - 2 * kGap,
                             int(productMsgViewH_));
    connect(productMsg_->receiveBG, &QPushButton::clicked, this, &KQDetailOrderVC::openLogistics);
    connect(productMsg_->messageBtn, &QPushButton::clicked, this, [this] {
        btnClick(productMsg_->messageBtn, productMsg_, productMsg_->bottomV, int(productMsgViewH_));
    });

    orderMsg_ = new KQDetailOrderMsgView(order, content_);
    orderMsg_->resize(w - 2 * kGap, KQDetailOrderMsgView::kHeight);
    connect(orderMsg_->messageBtn, &QPushButton::clicked, this, [this] {
        btnClick(orderMsg_->messageBtn, orderMsg_, orderMsg_->bottomV,
                 KQDetailOrderMsgView::kHeight);
    });
    progress_ = new KQDetailOrderProgressView(order.statusDetails(), content_);
    progress_->resize(w - 2 * kGap, KQDetailOrderProgressView::kHeight);
    restack();
    scrollView_->setWidget(content_);
    layoutContent();
    scrollView_->show();
    if (RCNavigationbar* bar = naviBar()) {
        bar->raise();
    }
    // Last, because a deadline already past posts its notification at once.
    contentV_->setStatusDetailArray(order.statusDetails());
}

void KQDetailOrderVC::btnClick(KQFoldButton* button, QWidget* panel, QWidget* body,
                               int unfoldedHeight) {
    const bool unfolded = button->isSelected();
    panel->resize(panel->width(),
                  unfolded ? KQDetailProductMsgView::kHeaderHeight : unfoldedHeight);
    body->setVisible(!unfolded);
    button->setSelected(!unfolded);
    restack();
}

void KQDetailOrderVC::restack() {
    orderMsg_->move(kGap, productMsg_->geometry().bottom() + 1 + kGap);
    progress_->move(kGap, orderMsg_->geometry().bottom() + 1 + kGap);
    content_->resize(width(), progress_->geometry().bottom() + 1 + kBottomRoom);
}

void KQDetailOrderVC::layoutContent() {
    // The panels arrive with the order.
    if (scrollView_) {
        scrollView_->setGeometry(0, kNaviBarHeight, width(), height() - kNaviBarHeight);
    }
}

void KQDetailOrderVC::orderGotoBtnClick(QPushButton*) {
    push(new KQSendGoodsVC(orderID_,
                           orderModel_ ? orderModel_->address : KQOrderBuyerAddressModel{}));
}

void KQDetailOrderVC::orderColseBtnClick(QPushButton*) {
    push(new KQCloseOrderVC(orderID_));
}

void KQDetailOrderVC::openLogistics() {
    push(new KQLogistyMsgVC(orderID_));
}
