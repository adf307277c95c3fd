#include "home/KQSMessageVC.h"

#include "app/KQSNavigtionVC.h"
#include "home/KQSMessagerCell.h"
#include "orders/KQDetailOrderVC.h"
#include "platform/RefreshControl.h"
#include "service/KQHttpClientList.h"
#include "ui/KQBaseTableView.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {
constexpr int kTableTop = 64;
constexpr int kHeightTaken = 108; // the bar above and the tab bar below
} // namespace

KQSMessageVC::KQSMessageVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQSMessageVC"));
}

KQBaseTableView* KQSMessageVC::tableView() {
    if (!tableView_) {
        tableView_ = new KQBaseTableView(TableView::Style::Plain, this);
        tableView_->setObjectName(QStringLiteral("tableView"));
        tableView_->setGeometry(0, kTableTop, width(), std::max(0, height() - kHeightTaken));
        tableView_->setSeparatorsShown(false);
        tableView_->setBackgroundColor(Qt::transparent);
        tableView_->setRowHeight(KQSMessagerCell::kHeight);
        tableView_->setDataSource(this);
        tableView_->nullView()->hide();
        tableView_->addLoadMoreFooter([this] { loadMore(); });
        tableView_->addRefreshHeader([this] { refresh(); })->beginRefreshing();
        connect(tableView_, &TableView::rowSelected, this,
                [this](int, int row) { didSelectRow(row); });
    }
    return tableView_;
}

void KQSMessageVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    tableView();
}

void KQSMessageVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("消息中心"));
    tableView()->refreshHeader()->beginRefreshing();
}

void KQSMessageVC::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    if (tableView_) {
        tableView_->setGeometry(0, kTableTop, width(), std::max(0, height() - kHeightTaken));
    }
}

void KQSMessageVC::refresh() {
    ++generation_;
    page_ = 0;
    dataArray_.clear();
    // The rows go with the list, so that nothing on screen points past its end.
    tableView()->reloadData();
    createData();
}

void KQSMessageVC::loadMore() {
    ++page_;
    createData();
}

void KQSMessageVC::createData() {
    KQProject& bag = KQProject::project();
    bag.start = int(page_ * kPageSize);
    bag.size = kPageSize;
    const quint64 generation = generation_;
    RefreshControl* indicator =
        page_ > 0 ? tableView()->loadMoreFooter() : tableView()->refreshHeader();
    KQRequest* request = KQHttpClientList::getMessageListWithProject(
        bag, [this, generation](const QJsonObject* reply, const ServiceError*) {
            if (reply && generation == generation_) {
                appendPage(*reply);
            }
        });
    request->guardedBy(this);
    connect(request, &KQRequest::finished, indicator, &RefreshControl::endRefreshing);
}

void KQSMessageVC::appendPage(const QJsonObject& reply) {
    dataArray_.append(
        RecordMapper::listFromJson<KQSMessageModel>(reply.value("data").toObject().value("list")));
    tableView()->nullView()->setVisible(dataArray_.isEmpty());
    tableView()->reloadData();
}

void KQSMessageVC::didSelectRow(int row) {
    if (row < 0 || row >= dataArray_.size()) {
        return;
    }
    const KQSMessageModel message = dataArray_[row];
    KQProject& bag = KQProject::project();
    bag.message_id = message.message_id;
    KQHttpClientList::getMessageViewWithProject(bag, {});
    if (message.detail) {
        openOrderDetail(message.detail->order_id);
    }
}

void KQSMessageVC::openOrderDetail(const QString& orderId) {
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->pushViewController(new KQDetailOrderVC(orderId), true);
    }
}

int KQSMessageVC::numberOfRows(TableView*, int) {
    return int(dataArray_.size());
}

TableCell* KQSMessageVC::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = static_cast<KQSMessagerCell*>(
        table->dequeueReusableCell(KQSMessagerCell::reuseIdentifier()));
    if (!cell) {
        cell = new KQSMessagerCell;
    }
    cell->setModel(dataArray_.value(indexPath.row));
    cell->setLineHidden(indexPath.row == dataArray_.size() - 1);
    return cell;
}

int KQSMessageVC::heightForRow(TableView*, IndexPath) {
    return KQSMessagerCell::kHeight;
}
