#pragma once

#include "goods/KQSGoodsModel.h"
#include "platform/TableView.h"

class KQBaseTableView;

// The goods rows of a list, as the goods tabs and the goods search show them: one section per
// goods item with its one row, a 12-point gap between sections and none above the first.
class GoodsRows : public TableDataSource {
public:
    static constexpr int kGapHeight = 12;

    // Makes this the table's data source for records (owned by the caller, outliving the table's
    // use of it): grey gaps, no scroll indicator.
    void attach(KQBaseTableView* table, const QList<KQSGoodsModel>& records);

    int numberOfSections(TableView* table) override;
    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;
    int heightForHeader(TableView* table, int section) override;

private:
    const QList<KQSGoodsModel>* records_ = nullptr;
};
