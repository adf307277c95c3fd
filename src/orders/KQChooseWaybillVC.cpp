#include "orders/KQChooseWaybillVC.h"

#include "platform/RefreshControl.h"
#include "service/KQHttpClientList.h"
#include "ui/KQBaseTableView.h"
#include "ui/Style.h"

#include <QLabel>

namespace {
constexpr int kRowHeight = 49;
constexpr int kSectionGap = 12;
constexpr int kSideMargin = 12;
constexpr int kTop = 76;
constexpr int kBottomMargin = 24;
constexpr int kNameLeft = 21;
} // namespace

KQWaybillListCell::KQWaybillListCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent), leftL(new QLabel(this)) {
    setSelectionStyle(SelectionStyle::None);
    leftL->setObjectName(QStringLiteral("leftL"));
    leftL->setFont(Style::systemFont(15));
    leftL->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));
}

void KQWaybillListCell::setExpressModel(const KQSExpressModel& express) {
    expressModel_ = express;
    leftL->setText(express.name);
    setAccessibleName(express.name);
}

void KQWaybillListCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    leftL->setGeometry(kNameLeft, 0, qMax(0, width() - kNameLeft - 10), height());
}

KQChooseWaybillVC::KQChooseWaybillVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQChooseWaybillVC"));
}

void KQChooseWaybillVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    tableView_ = new KQBaseTableView(TableView::Style::Grouped, this);
    tableView_->setObjectName(QStringLiteral("tableView"));
    tableView_->setBackgroundColor(Style::background());
    tableView_->setSeparatorsShown(false);
    tableView_->setDataSource(this);
    connect(tableView_, &TableView::rowSelected, this,
            [this](int section, int) { rowSelected(section); });
    tableView_->addRefreshHeader([this] { refresh(); });
    tableView_->addLoadMoreFooter([this] { loadMore(); });
    tableView_->refreshHeader()->beginRefreshing();
    tableView_->show();
    resizeEvent(nullptr);
}

void KQChooseWaybillVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("选择快递"));
}

void KQChooseWaybillVC::resizeEvent(QResizeEvent* event) {
    if (event) {
        KQSBaesVC::resizeEvent(event);
    }
    if (tableView_) {
        tableView_->setGeometry(kSideMargin, kTop, width() - 2 * kSideMargin,
                                height() - kTop - kBottomMargin);
    }
}

void KQChooseWaybillVC::refresh() {
    ++generation_;
    page_ = 0;
    size_ = kPageSize;
    dataArray_.clear();
    tableView_->reloadData();
    request();
}

void KQChooseWaybillVC::loadMore() {
    page_ += 1;
    request();
}

void KQChooseWaybillVC::request() {
    KQProject& bag = KQProject::project();
    bag.size = int(size_);
    bag.start = int(page_ * size_);
    const quint64 generation = generation_;
    KQRequest* sent = KQHttpClientList::request_ExpressListWith(
        bag, [this, generation](const QJsonObject* reply, const ServiceError*) {
            if (reply) {
                pageArrived(*reply, generation);
            }
        });
    sent->guardedBy(this);
    connect(sent, &KQRequest::finished, this, [this, generation] { endRefreshing(generation); });
}

void KQChooseWaybillVC::pageArrived(const QJsonObject& reply, quint64 generation) {
    if (generation != generation_) {
        return;
    }
    dataArray_.append(OrderPayload::expressPage(reply));
    tableView_->reloadData();
}

void KQChooseWaybillVC::endRefreshing(quint64 generation) {
    if (generation != generation_) {
        return;
    }
    tableView_->refreshHeader()->endRefreshing();
    tableView_->loadMoreFooter()->endRefreshing();
}

void KQChooseWaybillVC::rowSelected(int section) {
    if (section < 0 || section >= dataArray_.size()) {
        return;
    }
    const KQSExpressModel chosen = dataArray_.at(section);
    if (chooseReturn) {
        chooseReturn(chosen.name, chosen.company_id);
    }
    back();
}

int KQChooseWaybillVC::numberOfSections(TableView*) {
    return int(dataArray_.size());
}

int KQChooseWaybillVC::numberOfRows(TableView*, int) {
    return 1;
}

TableCell* KQChooseWaybillVC::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = static_cast<KQWaybillListCell*>(
        table->dequeueReusableCell(QString::fromLatin1(KQWaybillListCell::kIdentifier)));
    if (!cell) {
        cell = new KQWaybillListCell;
    }
    cell->setExpressModel(dataArray_.at(indexPath.section));
    return cell;
}

int KQChooseWaybillVC::heightForRow(TableView*, IndexPath) {
    return kRowHeight;
}

int KQChooseWaybillVC::heightForHeader(TableView*, int section) {
    return section == 0 ? 0 : kSectionGap;
}
