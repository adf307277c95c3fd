#pragma once

#include "orders/KQActivistFooter.h"
#include "orders/KQOrderModel.h"
#include "platform/TableView.h"
#include "ui/PagedList.h"

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
    static constexpr int kHeaderHeight = 60;
    using Orders = PagedList<KQOrderModel, QString>;

    explicit KQOrderTableView(QWidget* parent = nullptr);

    // Stores the filter, scrolls to the top and refreshes from page 0; a refresh under way for
    // the previous filter is given up.
    void setStatus(const QString& status);
    QString status() const { return list_->query().value_or(QString()); }
    // Scrolls to the top and refreshes from page 0, giving up a refresh under way.
    void dataReload();

    KQBaseTableView* tableView() const { return tableView_; }
    Orders* list() const { return list_; }
    const QList<KQOrderModel>& modelArray() const { return list_->records(); }

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
    static KQRequest* getOrderListData(const QString& status, int start, int size, ReplyBlock done);
    void rowSelected(int section, int row);

    KQBaseTableView* tableView_;
    Orders* list_;
};
