#pragma once

#include "app/KQSBaesVC.h"
#include "home/HomeRecords.h"
#include "platform/TableView.h"

#include <QList>

class KQBaseTableView;

// The message centre: the shop's messages, ten a page, newest first as the service sends them.
class KQSMessageVC : public KQSBaesVC, public TableDataSource {
    Q_OBJECT
public:
    static constexpr int kPageSize = 10;

    explicit KQSMessageVC(QWidget* parent = nullptr);

    // Created on first use; creating it starts a refresh.
    KQBaseTableView* tableView();
    const QList<KQSMessageModel>& dataArray() const { return dataArray_; }
    qint64 page() const { return page_; }

    void refresh();
    void loadMore();
    void createData();
    void didSelectRow(int row);
    // The order a message refers to; opens nothing until the order screens are part of the app.
    void openOrderDetail(const QString& orderId);

    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void appendPage(const QJsonObject& reply);

    KQBaseTableView* tableView_ = nullptr;
    QList<KQSMessageModel> dataArray_;
    qint64 page_ = 0;
    // Replies to pages asked before the latest refresh belong to a list that is gone.
    quint64 generation_ = 0;
};
