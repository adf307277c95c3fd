#pragma once

#include "app/KQSBaesVC.h"
#include "home/HomeRecords.h"
#include "platform/TableView.h"
#include "ui/PagedList.h"

#include <QList>

class KQBaseTableView;

// The message centre: the shop's messages, ten a page, newest first as the service sends them.
class KQSMessageVC : public KQSBaesVC, public TableDataSource {
    Q_OBJECT
public:
    using Messages = PagedList<KQSMessageModel>;

    explicit KQSMessageVC(QWidget* parent = nullptr);

    // Created on first use; creating it starts a refresh.
    KQBaseTableView* tableView();
    Messages* list();
    const QList<KQSMessageModel>& dataArray() { return list()->records(); }

    void didSelectRow(int row);
    // The detail of the order a message refers to.
    void openOrderDetail(const QString& orderId);

    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void layoutContent() override;

private:
    static KQRequest* createData(int start, int size, ReplyBlock done);

    KQBaseTableView* tableView_ = nullptr;
    Messages* list_ = nullptr;
};
