#pragma once

#include "orders/KQActivistFooter.h"
#include "orders/KQOrderModel.h"
#include "platform/TableView.h"

#include <QWidget>

class KQBaseTableView;

// What the order list reports to its screen; every operation is optional.
class KQOrderDelegate {
public:
    virtual ~KQOrderDelegate() = default;
    virtual void orderCellClick(TableView* /*table*/, IndexPath /*indexPath*/,
                                const QString& /*orderId*/) {}
    virtual void footerSendGoodClick(const QString& /*orderId*/,
                                     const KQOrderBuyerAddressModel& /*address*/) {}
    virtual void footerCheckLogisticsClick(const QString& /*orderId*/) {}
};

// The paged list of orders of one status filter: one section per order, one row per item.
class KQOrderTableView : public QWidget, public TableDataSource, public KQActivistFooterProtocol {
    Q_OBJECT
public:
    static constexpr int kPageSize = 10;
    static constexpr int kHeaderHeight = 60;

    explicit KQOrderTableView(QWidget* parent = nullptr);

    // Stores the filter, scrolls to the top and refreshes from page 0.
    void setStatus(const QString& status);
    QString status() const { return status_; }
    // Scrolls to the top and refreshes from page 0.
    void dataReload();
    // Requests page `page` for the filter.
    void getOrderListData(const QString& status);

    KQBaseTableView* tableView() const { return tableView_; }
    const QList<KQOrderModel>& modelArray() const { return modelArray_; }
    qint64 page() const { return page_; }

    KQOrderDelegate* delegate = nullptr;

    // Table data source.
    int numberOfSections(TableView* table) override;
    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;
    int heightForHeader(TableView* table, int section) override;
    QWidget* viewForHeader(TableView* table, int section) override;
    int heightForFooter(TableView* table, int section) override;
    QWidget* viewForFooter(TableView* table, int section) override;

    void activistFooterWithFooter(KQActivistFooter* footer, int tag) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void loadMore();
    void pageArrived(const QJsonObject& reply, quint64 generation);
    void endRefreshing(quint64 generation);
    void rowSelected(int section, int row);

    KQBaseTableView* tableView_;
    QList<KQOrderModel> modelArray_;
    QString status_;
    qint64 page_ = 0;
    qint64 size_ = kPageSize;
    // Raised by every refresh, so that a page asked for before it is not appended after it.
    quint64 generation_ = 0;
};
