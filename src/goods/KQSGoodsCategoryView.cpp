#include "goods/KQSGoodsCategoryView.h"

#include "ui/KQBaseTableView.h"

namespace {

KQRequest* fetchGoods(const QString& status, int start, int size, ReplyBlock done) {
    KQProject& bag = KQProject::project();
    bag.category_id = QString();
    bag.item_name = QString();
    bag.start_time = QString();
    bag.end_time = QString();
    bag.orderby = QString();
    bag.status = status;
    bag.start = start;
    bag.size = size;
    return KQHttpClientList::getGoodsListWithProject(bag, std::move(done));
}

auto sameItem(const QString& itemId) {
    return [&itemId](const KQSGoodsModel& goods) { return goods.item_id == itemId; };
}

} // namespace

KQSGoodsCategoryView::KQSGoodsCategoryView(QWidget* parent)
    : QWidget(parent), tableView_(new KQBaseTableView(TableView::Style::Plain, this)),
      list_(new Goods(tableView_, fetchGoods, &GoodsPayload::goodsPage)) {
    tableView_->setObjectName(QStringLiteral("tableView"));
    rows_.attach(tableView_, list_->records());
}

void KQSGoodsCategoryView::setStatus(const QString& status) {
    setObjectName(QStringLiteral("goodsTab_") + status);
    list_->setQuery(status);
}

QString KQSGoodsCategoryView::status() const {
    return list_->query().value_or(QString());
}

void KQSGoodsCategoryView::shuaXin() {
    selectArray_.clear();
    list_->reload();
}

void KQSGoodsCategoryView::selectAll() {
    isAllSelect = true;
    selectArray_ = dataArray();
    redraw();
}

void KQSGoodsCategoryView::deselectAll() {
    isAllSelect = false;
    selectArray_.clear();
    redraw();
}

void KQSGoodsCategoryView::setTicked(const QString& itemId, bool ticked) {
    if (ticked == isTicked(itemId)) {
        return;
    }
    if (ticked) {
        const auto found = std::find_if(dataArray().cbegin(), dataArray().cend(), sameItem(itemId));
        if (found == dataArray().cend()) {
            return;
        }
        selectArray_.append(*found);
    } else {
        selectArray_.removeIf(sameItem(itemId));
    }
    redraw();
}

bool KQSGoodsCategoryView::isTicked(const QString& itemId) const {
    return std::any_of(selectArray_.cbegin(), selectArray_.cend(), sameItem(itemId));
}

void KQSGoodsCategoryView::removeGoods(const QString& itemId) {
    selectArray_.removeIf(sameItem(itemId));
    const auto found = std::find_if(dataArray().cbegin(), dataArray().cend(), sameItem(itemId));
    if (found != dataArray().cend()) {
        list_->removeAt(found - dataArray().cbegin());
    } else {
        redraw();
    }
    tableView_->nullView()->setVisible(dataArray().isEmpty());
}

void KQSGoodsCategoryView::setIsendting(bool isendting) {
    isendting_ = isendting;
    list_->setPaused(isendting);
    redraw();
}

void KQSGoodsCategoryView::redraw() {
    tableView_->reloadData();
}

void KQSGoodsCategoryView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tableView_->setGeometry(rect());
}
