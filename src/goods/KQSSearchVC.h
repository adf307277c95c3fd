#pragma once

#include "app/KQSBaesVC.h"
#include "goods/GoodsRows.h"
#include "goods/KQSGoodsSearchMenuView.h"
#include "ui/PagedList.h"

class KQBaseTableView;
class QLineEdit;
class QPushButton;

// What the goods search asks for: a category (empty for every one) and a part of the name.
struct GoodsSearchQuery {
    QString category_id;
    QString item_name;
};

// The goods search: every sale state, by name and by the two-level category menu.
class KQSSearchVC : public KQSBaesVC, public KQSGoodsSearchMenuViewDelegate {
    Q_OBJECT
public:
    static constexpr int kTitleBarTop = 20;
    static constexpr int kBarHeight = 44;
    static constexpr int kCategoryButtonWidth = 96;
    static constexpr int kListTop = 76;

    using Goods = PagedList<KQSGoodsModel, GoodsSearchQuery>;

    explicit KQSSearchVC(QWidget* parent = nullptr);

    // Searches from the first page with the chosen category and the name in the search field
    // (the argument is not read).
    void createSearchDateWithIndex(int index = 0);
    // The category button: shows or hides the menu.
    void selectgourp();
    void goodsSearchMenuView(KQSGoodsSearchMenuView* menu, const KQSOneGoodsCategoryModel& modelOne,
                             const std::optional<KQSGoodsCategoryModel>& modelTwo) override;

    const QList<KQSGoodsModel>& dataArray() const { return list_->records(); }
    Goods* pagedList() const { return list_; }
    QString category_id() const { return category_id_; }
    QPushButton* selectGourpBtn() const { return selectGourpBtn_; }
    QLineEdit* searchField() const { return searchField_; }
    KQSGoodsSearchMenuView* menuView() const { return menuView_; }
    KQBaseTableView* tableView() const { return tableView_; }

protected:
    void viewDidLoad() override;

private:
    void textFieldShouldReturn();
    void dropCategoryFilter();
    void layoutContent() override;

    QString category_id_;
    GoodsRows rows_;
    QPushButton* selectGourpBtn_ = nullptr;
    QWidget* topBand_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    KQBaseTableView* tableView_ = nullptr;
    KQSGoodsSearchMenuView* menuView_ = nullptr;
    Goods* list_ = nullptr;
};
