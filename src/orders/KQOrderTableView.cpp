#include "orders/KQOrderTableView.h"

#include "orders/KQSActivistCell.h"
#include "orders/OrderNotifications.h"
#include "orders/OrderStatus.h"
#include "platform/NotificationCenter.h"
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
    : QWidget(parent), tableView_(new KQBaseTableView(TableView::Style::Grouped, this)),
      list_(new Orders(tableView_, &KQOrderTableView::getOrderListData, &OrderPayload::orderPage)) {
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
    // Asks once the list is first on screen, with the filter the screen set by then.
    list_->setQuery(QString());
    NotificationCenter::observe(OrderNotifications::sendGoods(), this, [this] { dataReload(); });
}

void KQOrderTableView::setStatus(const QString& status) {
    tableView_->scrollToTop(true);
    list_->setQuery(status);
}

void KQOrderTableView::dataReload() {
    tableView_->scrollToTop(true);
    list_->reload();
}

KQRequest* KQOrderTableView::getOrderListData(const QString& status, int start, int size,
                                              ReplyBlock done) {
    KQProject& bag = KQProject::project();
    bag.order_id = QString();
    bag.status = status;
    bag.size = size;
    bag.start = start;
    return KQHttpClientList::request_OrderListWith(bag, std::move(done));
}

void KQOrderTableView::rowSelected(int section, int row) {
    if (delegate && section >= 0 && section < modelArray().size()) {
        delegate->orderCellClick(tableView_, IndexPath{section, row},
                                 modelArray().at(section).order_id);
    }
}

void KQOrderTableView::activistFooterWithFooter(KQActivistFooter* footer, int tag) {
    const int section = footer->tag - KQActivistFooter::kTagOffset;
    if (!delegate || section < 0 || section >= modelArray().size()) {
        return;
    }
    const KQOrderModel& order = modelArray().at(section);
    if (tag == KQActivistFooter::kSendGoodTag) {
        delegate->footerSendGoodClick(order.order_id, order.address);
    } else if (tag == KQActivistFooter::kCheckLogisticsTag) {
        delegate->footerCheckLogisticsClick(order.order_id);
    }
}

int KQOrderTableView::numberOfSections(TableView*) {
    return int(modelArray().size());
}

int KQOrderTableView::numberOfRows(TableView*, int section) {
    return int(modelArray().at(section).item_list.size());
}

TableCell* KQOrderTableView::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = table->dequeue<KQSActivistCell>();
    const KQOrderModel& order = modelArray().at(indexPath.section);
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
    return new OrderSectionHeader(modelArray().at(section));
}

int KQOrderTableView::heightForFooter(TableView*, int) {
    return KQActivistFooter::kHeight;
}

QWidget* KQOrderTableView::viewForFooter(TableView*, int section) {
    const KQOrderModel& order = modelArray().at(section);
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
