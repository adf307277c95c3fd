#pragma once

#include "app/KQSBaesVC.h"
#include "orders/KQOrderModel.h"
#include "platform/TableView.h"
#include "ui/PagedList.h"

#include <functional>

class KQBaseTableView;
class QLabel;

// One express company in the picker.
class KQWaybillListCell : public TableCell {
    Q_OBJECT
public:
    static constexpr const char* kIdentifier = "WaybillList";
    explicit KQWaybillListCell(QWidget* parent = nullptr);

    void setExpressModel(const KQSExpressModel& express);
    const KQSExpressModel& expressModel() const { return expressModel_; }
    QLabel* leftL;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    KQSExpressModel expressModel_;
};

// "选择快递": the service's express companies, one per section; touching one hands it back.
class KQChooseWaybillVC : public KQSBaesVC, public TableDataSource {
    Q_OBJECT
public:
    using Companies = PagedList<KQSExpressModel>;

    explicit KQChooseWaybillVC(QWidget* parent = nullptr);

    // Receives the chosen company's name and company_id.
    std::function<void(const QString& name, const QString& companyId)> chooseReturn;
    QString chooseCompanyID;

    const QList<KQSExpressModel>& dataArray() const { return list_->records(); }
    KQBaseTableView* tableView() const { return tableView_; }
    Companies* list() const { return list_; }

    int numberOfSections(TableView* table) override;
    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;
    int heightForHeader(TableView* table, int section) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void layoutContent() override;

private:
    static KQRequest* request(int start, int size, ReplyBlock done);
    void rowSelected(int section);

    KQBaseTableView* tableView_ = nullptr;
    Companies* list_ = nullptr;
};
