#include "home/KQSMessageVC.h"

#include "home/KQSMessagerCell.h"
#include "orders/KQDetailOrderVC.h"
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
        tableView_->setSeparatorsShown(false);
        tableView_->setBackgroundColor(Qt::transparent);
        tableView_->setRowHeight(KQSMessagerCell::kHeight);
        tableView_->setDataSource(this);
        list_ = new Messages(tableView_, &KQSMessageVC::createData, [](const QJsonObject& reply) {
            return RecordMapper::listFromJson<KQSMessageModel>(
                reply.value("data").toObject().value("list"));
        });
        list_->refresh();
        connect(tableView_, &TableView::rowSelected, this,
                [this](int, int row) { didSelectRow(row); });
    }
    return tableView_;
}

KQSMessageVC::Messages* KQSMessageVC::list() {
    tableView();
    return list_;
}

void KQSMessageVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    tableView();
}

void KQSMessageVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("消息中心"));
    list()->refresh();
}

void KQSMessageVC::layoutContent() {
    tableView_->setGeometry(0, kTableTop, width(), std::max(0, height() - kHeightTaken));
}

KQRequest* KQSMessageVC::createData(int start, int size, ReplyBlock done) {
    KQProject& bag = KQProject::project();
    bag.start = start;
    bag.size = size;
    return KQHttpClientList::getMessageListWithProject(bag, std::move(done));
}

void KQSMessageVC::didSelectRow(int row) {
    if (row < 0 || row >= dataArray().size()) {
        return;
    }
    const KQSMessageModel message = dataArray().at(row);
    KQProject& bag = KQProject::project();
    bag.message_id = message.message_id;
    KQHttpClientList::getMessageViewWithProject(bag, {});
    if (message.detail) {
        openOrderDetail(message.detail->order_id);
    }
}

void KQSMessageVC::openOrderDetail(const QString& orderId) {
    push(new KQDetailOrderVC(orderId));
}

int KQSMessageVC::numberOfRows(TableView*, int) {
    return int(dataArray().size());
}

TableCell* KQSMessageVC::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = table->dequeue<KQSMessagerCell>();
    cell->setModel(dataArray().value(indexPath.row));
    cell->setLineHidden(indexPath.row == dataArray().size() - 1);
    return cell;
}

int KQSMessageVC::heightForRow(TableView*, IndexPath) {
    return KQSMessagerCell::kHeight;
}
