#pragma once

#include "goods/KQSGoodsModel.h"
#include "goods/KQSMenuCell.h"
#include "platform/TableView.h"

#include <QObject>
#include <QPointer>
#include <optional>

class KQSGoodsSearchMenuView;

// What the category menu reports to its screen.
class KQSGoodsSearchMenuViewDelegate {
public:
    virtual ~KQSGoodsSearchMenuViewDelegate() = default;
    // A chosen first-level category, and the chosen second-level one when there is one.
    virtual void goodsSearchMenuView(KQSGoodsSearchMenuView* /*menu*/,
                                     const KQSOneGoodsCategoryModel& /*modelOne*/,
                                     const std::optional<KQSGoodsCategoryModel>& /*modelTwo*/) {}
};

// The category menu of the goods search: the shop's first-level categories over the screen,
// each unfoldable to its second level. Hidden, it has no height.
class KQSGoodsSearchMenuView : public QObject, public TableDataSource, public KQSMenuCellDelegate {
    Q_OBJECT
public:
    static constexpr int kTop = 64;

    // Adds the hidden menu to superView and asks the service for the category tree.
    explicit KQSGoodsSearchMenuView(QWidget* superView);
    // The table goes with the menu: it never outlives its data source.
    ~KQSGoodsSearchMenuView() override;

    void showMenuSuperView();
    void hiddenMenu();
    bool isShown() const { return shown_; }

    const QList<KQSOneGoodsCategoryModel>& dataArray() const { return dataArray_; }
    TableView* tableView() const { return tableView_; }

    KQSGoodsSearchMenuViewDelegate* delegate = nullptr;

    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;

    void KQSMenuCellDidClickCatrBtn(QPushButton* btn, const KQSOneGoodsCategoryModel& oneModel,
                                    const std::optional<KQSGoodsCategoryModel>& twoModel) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadCategories();
    void toggleRow(IndexPath indexPath);
    void place();

    QWidget* superView_;
    QPointer<TableView> tableView_;
    QList<KQSOneGoodsCategoryModel> dataArray_;
    bool shown_ = false;
};
