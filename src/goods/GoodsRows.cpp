#include "goods/GoodsRows.h"

#include "goods/KQSGoodsCell.h"
#include "ui/KQBaseTableView.h"
#include "ui/Style.h"

void GoodsRows::attach(KQBaseTableView* table, const QList<KQSGoodsModel>& records) {
    records_ = &records;
    table->setBackgroundColor(Style::background());
    table->setShowsVerticalScrollIndicator(false);
    table->setRowHeight(KQSGoodsCell::kHeight);
    table->setDataSource(this);
}

int GoodsRows::numberOfSections(TableView*) {
    return records_ ? int(records_->size()) : 0;
}

int GoodsRows::numberOfRows(TableView*, int) {
    return 1;
}

TableCell* GoodsRows::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = static_cast<KQSGoodsCell*>(
        table->dequeueReusableCell(QString::fromLatin1(KQSGoodsCell::kIdentifier)));
    if (!cell) {
        cell = new KQSGoodsCell;
    }
    cell->setModel(records_->at(indexPath.section));
    return cell;
}

int GoodsRows::heightForRow(TableView*, IndexPath) {
    return KQSGoodsCell::kHeight;
}

int GoodsRows::heightForHeader(TableView*, int section) {
    return section == 0 ? 0 : kGapHeight;
}
