#include "orders/KQOrderTableView.h"

#include "orders/KQSActivistCell.h"
#include "orders/OrderNotifications.h"
#include "orders/OrderStatus.h"
#include "platform/NotificationCenter.h"
#include "platform/RefreshControl.h"
#include "service/KQHttpClientList.h"
#include "ui/KQBaseTableView.h"
#include "ui/Style.h"

#include <QLabel>

namespace {

constexpr int kGapHeight = 12;
constexpr int kHeaderSideMargin = 22;

QLabel* headerLabel(QWidget* parent, const QString& name, const QString& text,
                    const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Style::systemFont(13));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(colour)));
    return label;
}

// The header of one order: the grey gap, source and status, and a hairline.
class OrderSectionHeader : public QWidget {
public:
    OrderSectionHeader(const KQOrderModel& order, QWidget* parent = nullptr) : QWidget(parent) {
        setObjectName(QStringLiteral("orderHeader"));
        setAttribute(Qt::WA_StyledBackground);
        setStyleSheet(
            QStringLiteral("OrderSectionHeader, QWidget#orderHeader { background: white; }"));
        gap_->setAttribute(Qt::WA_StyledBackground);
        gap_->setStyleSheet(
            QStringLiteral("background: %1;").arg(Style::rgbText(Style::background())));
        line_->setAttribute(Qt::WA_StyledBackground);
        line_->setStyleSheet(
            QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
        source_ =
            headerLabel(this, QStringLiteral("sourceLabel"),
                        QStringLiteral("订单来源: %1")
                            .arg(order.source.isEmpty() ? QStringLiteral("集铺") : order.source),
                        Style::darkText());
        status_ = headerLabel(this, QStringLiteral("statusLabel"),
                              OrderStatus::listLabel(order.status), Style::greyText());
        status_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const int w = width();
        const int body = height() - kGapHeight;
        gap_->setGeometry(0, 0, w, kGapHeight);
        source_->setGeometry(kHeaderSideMargin, kGapHeight, w / 2, body);
        status_->setGeometry(w / 2, kGapHeight, w / 2 - kHeaderSideMargin, body);
        line_->setGeometry(0, height() - 1, w, 1);
    }

private:
    QWidget* gap_ = new QWidget(this);
    QWidget* line_ = new QWidget(this);
    QLabel* source_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace

KQOrderTableView::KQOrderTableView(QWidget* parent)
    : QWidget(parent), tableView_(new KQBaseTableView(TableView::Style::Grouped, this)) {
    setObjectName(QStringLiteral("contentView"));
    tableView_->setObjectName(QStringLiteral("tableView"));
    tableView_->setBackgroundColor(Style::background());
    tableView_->setSeparatorsShown(false);
    tableView_->setShowsVerticalScrollIndicator(false);
    tableView_->setRowHeight(KQSActivistCell::kHeight);
    // Hides the grey gap above the first order.
    tableView_->setContentInset(-kGapHeight, 0);
    tableView_->setDataSource(this);
    connect(tableView_, &TableView::rowSelected, this, &KQOrderTableView::rowSelected);
    tableView_->addRefreshHeader([this] { refresh(); });
    tableView_->addLoadMoreFooter([this] { loadMore(); });
    // Runs once the list is first on screen, so it carries the filter the screen set first.
    tableView_->refreshHeader()->beginRefreshing();
    NotificationCenter::observe(OrderNotifications::sendGoods(), this, [this] { dataReload(); });
}

void KQOrderTableView::setStatus(const QString& status) {
    status_ = status;
    dataReload();
}

void KQOrderTableView::dataReload() {
    tableView_->scrollToTop(true);
    tableView_->refreshHeader()->beginRefreshing();
}

void KQOrderTableView::refresh() {
    ++generation_;
    page_ = 0;
    size_ = kPageSize;
    modelArray_.clear();
    tableView_->reloadData();
    getOrderListData(status_);
}

void KQOrderTableView::loadMore() {
    page_ += 1;
    getOrderListData(status_);
}

void KQOrderTableView::getOrderListData(const QString& status) {
    KQProject& bag = KQProject::project();
    bag.order_id = QString();
    bag.status = status;
    bag.size = int(size_);
    bag.start = int(page_ * size_);
    const quint64 generation = generation_;
    KQRequest* request = KQHttpClientList::request_OrderListWith(
        bag, [this, generation](const QJsonObject* reply, const ServiceError*) {
            if (reply) {
                pageArrived(*reply, generation);
            }
        });
    request->guardedBy(this);
    // A failure envelope never reaches the callback; the indicators stop all the same.
    connect(request, &KQRequest::finished, this, [this, generation] { endRefreshing(generation); });
}

void KQOrderTableView::pageArrived(const QJsonObject& reply, quint64 generation) {
    if (generation != generation_) {
        return;
    }
    modelArray_.append(OrderPayload::orderPage(reply));
    tableView_->nullView()->setVisible(modelArray_.isEmpty());
    tableView_->reloadData();
}

void KQOrderTableView::endRefreshing(quint64 generation) {
    if (generation != generation_) {
        return;
    }
    tableView_->refreshHeader()->endRefreshing();
    tableView_->loadMoreFooter()->endRefreshing();
}

void KQOrderTableView::rowSelected(int section, int row) {
    if (delegate && section >= 0 && section < modelArray_.size()) {
        delegate->orderCellClick(tableView_, IndexPath{section, row},
                                 modelArray_.at(section).order_id);
    }
}

void KQOrderTableView::activistFooterWithFooter(KQActivistFooter* footer, int tag) {
    const int section = footer->tag - KQActivistFooter::kTagOffset;
    if (!delegate || section < 0 || section >= modelArray_.size()) {
        return;
    }
    const KQOrderModel& order = modelArray_.at(section);
    if (tag == KQActivistFooter::kSendGoodTag) {
        delegate->footerSendGoodClick(order.order_id, order.address);
    } else if (tag == KQActivistFooter::kCheckLogisticsTag) {
        delegate->footerCheckLogisticsClick(order.order_id);
    }
}

int KQOrderTableView::numberOfSections(TableView*) {
    return int(modelArray_.size());
}

int KQOrderTableView::numberOfRows(TableView*, int section) {
    return int(modelArray_.at(section).item_list.size());
}

TableCell* KQOrderTableView::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = static_cast<KQSActivistCell*>(
        table->dequeueReusableCell(QString::fromLatin1(KQSActivistCell::kIdentifier)));
    if (!cell) {
        cell = new KQSActivistCell;
    }
    const KQOrderModel& order = modelArray_.at(indexPath.section);
    cell->setOrderItemModel(order.item(indexPath.row));
    if (order.total_cost == 0.0) {
        cell->markFreeShipping();
    }
    return cell;
}

int KQOrderTableView::heightForRow(TableView*, IndexPath) {
    return KQSActivistCell::kHeight;
}

int KQOrderTableView::heightForHeader(TableView*, int) {
    return kHeaderHeight;
}

QWidget* KQOrderTableView::viewForHeader(TableView*, int section) {
    return new OrderSectionHeader(modelArray_.at(section));
}

int KQOrderTableView::heightForFooter(TableView*, int) {
    return KQActivistFooter::kHeight;
}

QWidget* KQOrderTableView::viewForFooter(TableView*, int section) {
    const KQOrderModel& order = modelArray_.at(section);
    auto* footer = new KQActivistFooter;
    footer->delegate = this;
    footer->tag = section + KQActivistFooter::kTagOffset;
    switch (OrderStatus::footerAction(order.status)) {
    case OrderStatus::FooterAction::SendGoods:
        footer->addSendGood();
        break;
    case OrderStatus::FooterAction::CheckLogistics:
        footer->addCheckLogistics();
        break;
    case OrderStatus::FooterAction::None:
        break;
    }
    footer->addAllPrice(order.amount);
    return footer;
}

void KQOrderTableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tableView_->setGeometry(rect());
}
