#pragma once

#include "app/KQSBaesVC.h"
#include "orders/KQSWayBillModel.h"
#include "platform/TableView.h"

#include <QLabel>
#include <QPointer>

class KQBaseTableView;
#include "ui/MXLabel.h"

// One tracking step: its texts at the measured frames and the timeline at the left; the
// first (latest) step is highlighted.
class logTableViewCell : public TableCell {
    Q_OBJECT
public:
    static constexpr const char* kIdentifier = "logTableViewCell";
    explicit logTableViewCell(QWidget* parent = nullptr);

    void setFrameModel(const LogisticsFrameModel& frame, bool first);
    QLabel* titleLabel;
    QLabel* timeLabel;
    bool isFirst() const { return first_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool first_ = false;
};

// "物流信息": the express company, the copyable waybill number and the tracking steps.
class KQLogistyMsgVC : public KQSBaesVC, public TableDataSource {
    Q_OBJECT
public:
    explicit KQLogistyMsgVC(const QString& orderId, QWidget* parent = nullptr);

    QString order_id() const { return order_id_; }
    const std::optional<KQSWayBillModel>& model() const { return model_; }
    const QList<LogisticsFrameModel>& logArray() const { return logArray_; }
    // The labels of the list's header card while it is on screen.
    QPointer<QLabel> nameLabel;
    QPointer<MXLabel> expressLabel;
    KQBaseTableView* tableView() const { return tableView_; }

    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;
    int heightForHeader(TableView* table, int section) override;
    QWidget* viewForHeader(TableView* table, int section) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void layoutContent() override;

private:
    void createData();
    void createTabelView();
    QWidget* createHeaderView();
    void waybillArrived(const QJsonObject& reply);

    QString order_id_;
    std::optional<KQSWayBillModel> model_;
    QList<LogisticsFrameModel> logArray_;
    KQBaseTableView* tableView_ = nullptr;
};
