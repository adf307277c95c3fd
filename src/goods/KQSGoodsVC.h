#pragma once

#include "app/KQSBaesVC.h"
#include "goods/KQSGoodsManagerToolBar.h"
#include "goods/KQSGoodsModel.h"

#include <QList>
#include <QStringList>

class KQSBottumsView;
class KQSGoodsCategoryView;
class PagingScrollView;

// "我的商品": the goods by sale state in three tabs, and batch management of ticked goods.
class KQSGoodsVC : public KQSBaesVC, public KQSGoodsManagerToolBarDelegate {
    Q_OBJECT
public:
    enum Tab { Sale = 0, Sold = 1, Stop = 2 };

    explicit KQSGoodsVC(QWidget* parent = nullptr);

    // The "more" button: offers "批量管理".
    void managergoods();
    // Opens the goods search.
    void search();
    // Leaves batch mode, or closes the screen.
    void back() override;
    // Batch mode, as "批量管理" enters it.
    void enterBatchMode();
    bool isBatchMode() const { return batchMode_; }

    void goodsManagerToolBar(KQSGoodsManagerToolBar* toolBar, QPushButton* btn, int index) override;
    // Runs the confirmed action (a toolbar tag) over the selection of a tab.
    void batchProcessingWithContentView(int tab, int index);
    // The index of the tab on screen.
    int getSelectContentView() const;

    // The selection of the tab on screen.
    const QList<KQSGoodsModel>& dataArray() const;
    KQSGoodsCategoryView* tab(int index) const { return tabs_.value(index); }
    KQSBottumsView* topBarView() const { return topBarView_; }
    PagingScrollView* tabScrollView() const { return tabScrollView_; }
    KQSGoodsManagerToolBar* toolBar() const { return toolBar_; }

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;

private:
    struct Batch;

    void setUpBar();
    void showTab(int index);
    void tabChanged(int index);
    void leaveBatchMode();
    void confirm(int tag);
    void itemDone(const Batch& batch, const QString& itemId);
    void batchFinished();
    void loadShopCategories();
    void layoutContent() override;

    KQSBottumsView* topBarView_ = nullptr;
    PagingScrollView* tabScrollView_ = nullptr;
    KQSGoodsManagerToolBar* toolBar_ = nullptr;
    QList<KQSGoodsCategoryView*> tabs_;
    int selectIndex_ = 0;
    bool batchMode_ = false;
};
