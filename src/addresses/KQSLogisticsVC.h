#pragma once

#include "addresses/KQLogisticsModel.h"
#include "app/KQSBaesVC.h"
#include "platform/TableView.h"

#include <QList>

class KQBaseTableView;
class QPushButton;
class QWidget;

// "地址库": the shop's addresses, reloaded whole every time the screen shows; each can be
// marked as the default receiving address, edited or deleted, and "添加地址" adds one.
class KQSLogisticsVC : public KQSBaesVC, public TableDataSource {
    Q_OBJECT
public:
    static constexpr int kBottomBarHeight = 70;
    static constexpr int kMargin = 12;

    explicit KQSLogisticsVC(QWidget* parent = nullptr);

    const QList<KQLogisticsModel>& dataArray() const { return dataArray_; }
    KQBaseTableView* tableView() const { return tableView_; }
    QPushButton* addButton() const { return addButton_; }

    void getAddressListData();
    void gotoAddView();
    // The row actions, by the address they were touched on.
    void chooseDefault(const QString& addressId);
    void editAddress(const QString& addressId);
    void deleteAddress(const QString& addressId);

    int numberOfSections(TableView* table) override;
    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;
    int heightForHeader(TableView* table, int section) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showList(const QList<KQLogisticsModel>& records);
    void defaultMarked(const QString& addressId);
    void sendDelete(const QString& addressId);
    void deleted(const QString& addressId);
    void redraw();
    qsizetype indexOf(const QString& addressId) const;
    void openEditor(const QString& title, const std::optional<KQLogisticsModel>& model);

    KQBaseTableView* tableView_ = nullptr;
    QWidget* bottomBar_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QList<KQLogisticsModel> dataArray_;
    // Only the latest list request may fill the list.
    quint64 listGeneration_ = 0;
};
