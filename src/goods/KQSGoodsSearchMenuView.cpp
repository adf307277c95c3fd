#include "goods/KQSGoodsSearchMenuView.h"

#include "service/KQHttpClientList.h"

#include <QEvent>

KQSGoodsSearchMenuView::KQSGoodsSearchMenuView(QWidget* superView)
    : QObject(superView), superView_(superView),
      tableView_(new TableView(TableView::Style::Plain, superView)) {
    setObjectName(QStringLiteral("menuView"));
    tableView_->setObjectName(QStringLiteral("menuTable"));
    tableView_->setSeparatorsShown(false);
    tableView_->setDataSource(this);
    tableView_->hide();
    superView_->installEventFilter(this);
    place();
    loadCategories();
}

KQSGoodsSearchMenuView::~KQSGoodsSearchMenuView() {
    delete tableView_;
}

void KQSGoodsSearchMenuView::loadCategories() {
    KQHttpClientList::getGoodsCatrListBlock([this](const QJsonObject* reply, const ServiceError*) {
        if (reply) {
            dataArray_.append(GoodsPayload::categoryTree(*reply));
            tableView_->reloadData();
        }
    })->guardedBy(this);
}

void KQSGoodsSearchMenuView::showMenuSuperView() {
    shown_ = true;
    place();
    tableView_->show();
    tableView_->raise();
}

void KQSGoodsSearchMenuView::hiddenMenu() {
    shown_ = false;
    place();
    tableView_->hide();
}

void KQSGoodsSearchMenuView::place() {
    const int height = shown_ ? superView_->height() / 2 : 0;
    tableView_->setGeometry(0, kTop, superView_->width(), height);
}

bool KQSGoodsSearchMenuView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == superView_ && event->type() == QEvent::Resize) {
        place();
    }
    return QObject::eventFilter(watched, event);
}

int KQSGoodsSearchMenuView::numberOfRows(TableView*, int) {
    return int(dataArray_.size());
}

TableCell* KQSGoodsSearchMenuView::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = static_cast<KQSMenuCell*>(
        table->dequeueReusableCell(QString::fromLatin1(KQSMenuCell::kIdentifier)));
    if (!cell) {
        cell = new KQSMenuCell;
        cell->delegate = this;
        cell->moreButtonClickedBlock = [this](IndexPath path) { toggleRow(path); };
    }
    cell->setModel(dataArray_.at(indexPath.row), indexPath);
    return cell;
}

int KQSGoodsSearchMenuView::heightForRow(TableView*, IndexPath indexPath) {
    return KQSMenuCell::heightFor(dataArray_.at(indexPath.row));
}

void KQSGoodsSearchMenuView::toggleRow(IndexPath indexPath) {
    if (indexPath.row < 0 || indexPath.row >= dataArray_.size()) {
        return;
    }
    KQSOneGoodsCategoryModel& model = dataArray_[indexPath.row];
    model.isOpening = !model.isOpening;
    tableView_->reloadData();
}

void KQSGoodsSearchMenuView::KQSMenuCellDidClickCatrBtn(
    QPushButton*, const KQSOneGoodsCategoryModel& oneModel,
    const std::optional<KQSGoodsCategoryModel>& twoModel) {
    if (delegate) {
        delegate->goodsSearchMenuView(this, oneModel, twoModel);
    }
}
