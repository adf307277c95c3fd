#pragma once

#include "app/KQSBaesVC.h"
#include "orders/KQOrderTableView.h"

class KQSortScrollView;

// "我的订单": the status tabs over the paged order list.
class KQSOrderVC : public KQSBaesVC, public KQOrderDelegate {
    Q_OBJECT
public:
    // page: the tab to open on, 0 ("全部") to 6 ("交易关闭").
    explicit KQSOrderVC(qint64 page = 0, QWidget* parent = nullptr);

    qint64 page() const { return page_; }
    KQSortScrollView* sortView() const { return sortView_; }
    KQOrderTableView* contentView() const { return contentView_; }

    void orderCellClick(TableView* table, IndexPath indexPath, const QString& orderId) override;
    void footerSendGoodClick(const QString& orderId,
                             const KQOrderBuyerAddressModel& address) override;
    void footerCheckLogisticsClick(const QString& orderId) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void layoutContent() override;

private:
    void showMoreMenu();

    qint64 page_;
    KQSortScrollView* sortView_ = nullptr;
    KQOrderTableView* contentView_ = nullptr;
};
