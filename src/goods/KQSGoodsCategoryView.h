#pragma once

#include "goods/GoodsRows.h"
#include "goods/KQSGoodsModel.h"
#include "ui/PagedList.h"

#include <QWidget>

class KQBaseTableView;

// One tab of the goods screen: the goods of one sale state, paged, and the tab's selection
// while the screen is in batch mode.
class KQSGoodsCategoryView : public QWidget {
    Q_OBJECT
public:
    using Goods = PagedList<KQSGoodsModel, QString>;

    explicit KQSGoodsCategoryView(QWidget* parent = nullptr);

    // Fixes the tab's sale state ("sale", "sold" or "stop") and loads its first page.
    void setStatus(const QString& status);
    QString status() const;

    // Reloads from the first page; the selection is emptied.
    void shuaXin();
    // Ticks every loaded row, or none.
    void selectAll();
    void deselectAll();
    // Ticks or unticks the row of one goods item.
    void setTicked(const QString& itemId, bool ticked);
    bool isTicked(const QString& itemId) const;
    // A deleted item leaves the list and the selection.
    void removeGoods(const QString& itemId);

    // Batch mode: tick circles on the rows, pulls do nothing.
    void setIsendting(bool isendting);
    bool isendting() const { return isendting_; }
    bool isAllSelect = false;

    const QList<KQSGoodsModel>& dataArray() const { return list_->records(); }
    // The ticked goods in the order they were ticked.
    const QList<KQSGoodsModel>& selectArray() const { return selectArray_; }
    KQBaseTableView* tableView() const { return tableView_; }
    Goods* pagedList() const { return list_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    QList<KQSGoodsModel> selectArray_;
    bool isendting_ = false;
    GoodsRows rows_;
    KQBaseTableView* tableView_;
    Goods* list_;
};
