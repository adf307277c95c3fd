#pragma once

#include "app/KQSBaesVC.h"
#include "orders/KQOrderModel.h"
#include "orders/KQOrderStatusView.h"

#include <QPointer>
#include <optional>

class KQDetailOrderMsgView;
class KQDetailOrderProgressView;
class KQDetailProductMsgView;
class KQFoldButton;
class KQRequest;
class KineticScrollView;

// "订单详情": one order, fetched afresh each time the screen is shown, as a stack of the
// status, goods, order and progress panels.
class KQDetailOrderVC : public KQSBaesVC, public orderStatusViewDelegate {
    Q_OBJECT
public:
    explicit KQDetailOrderVC(const QString& orderId, QWidget* parent = nullptr);

    QString orderID() const { return orderID_; }
    const std::optional<KQOrderModel>& orderModel() const { return orderModel_; }

    KineticScrollView* scrollView() const { return scrollView_; }
    KQOrderStatusView* contentV() const { return contentV_; }
    KQDetailProductMsgView* productMsg() const { return productMsg_; }
    KQDetailOrderMsgView* orderMsg() const { return orderMsg_; }
    KQDetailOrderProgressView* progress() const { return progress_; }
    double productMsgViewH() const { return productMsgViewH_; }

    void getOrderDetail();

    void orderGotoBtnClick(QPushButton* button) override;
    void orderColseBtnClick(QPushButton* button) override;

protected:
    void viewWillAppear() override;
    void viewWillDisappear() override;
    void layoutContent() override;

private:
    void clearContent();
    void setUpContentView();
    void paymentTimeOver();
    void btnClick(KQFoldButton* button, QWidget* panel, QWidget* body, int unfoldedHeight);
    void restack();
    void openLogistics();

    QString orderID_;
    std::optional<KQOrderModel> orderModel_;
    QPointer<KQRequest> fetch_;
    KineticScrollView* scrollView_ = nullptr;
    QWidget* content_ = nullptr;
    KQOrderStatusView* contentV_ = nullptr;
    KQDetailProductMsgView* productMsg_ = nullptr;
    KQDetailOrderMsgView* orderMsg_ = nullptr;
    KQDetailOrderProgressView* progress_ = nullptr;
    double productMsgViewH_ = 0;
    // The payment deadline that already caused a fetch: the service may still report it as
    // pending, and fetching again for it would never end.
    QString refetchedDeadline_;
    bool refetchedOnce_ = false;
};
