#include "orders/KQLogistyMsgVC.h"

#include "orders/OrderWidgets.h"
#include "platform/Assets.h"
#include "service/KQHttpClientList.h"
#include "ui/KQBaseTableView.h"
#include "ui/MXLabel.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kMargin = 12;
constexpr int kHeaderHeight = 164;
constexpr double kTimelineX = 21.5;
const QColor kFirstDot(244, 105, 169);
const QColor kFirstDotBorder(252, 214, 232);
const QColor kFirstText(78, 78, 78);
const QColor kOtherGrey(163, 163, 163);

// A section title of the header card: its picture and its words.
void addCardTitle(QWidget* card, const QString& image, const QString& text, int top) {
    OrderWidgets::label(card, QString(), 15, Qt::black, text)->setGeometry(22, top, 300, 44);
    auto* icon = new QLabel(card);
    icon->setStyleSheet(QStringLiteral("background: transparent;"));
    icon->setPixmap(Assets::image(image, QSize(18, 18)));
    icon->setGeometry(14, top + 13, 18, 18);
}

} // namespace

logTableViewCell::logTableViewCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent), titleLabel(new QLabel(this)),
      timeLabel(new QLabel(this)) {
    setSelectionStyle(SelectionStyle::None);
    setFocusPolicy(Qt::NoFocus);
    titleLabel->setObjectName(QStringLiteral("contentLabel"));
    timeLabel->setObjectName(QStringLiteral("timeLabel"));
    for (QLabel* label : {titleLabel, timeLabel}) {
        label->setFont(Style::systemFont(LogisticsFrameModel::kFontPoints));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void logTableViewCell::setFrameModel(const LogisticsFrameModel& frame, bool first) {
    first_ = first;
    titleLabel->setText(frame.model().content);
    timeLabel->setText(frame.model().time);
    titleLabel->setGeometry(frame.titleFrame().toAlignedRect());
    timeLabel->setGeometry(frame.timerFrame().toAlignedRect());
    const QString colour = Style::rgbText(first ? kFirstText : kOtherGrey);
    titleLabel->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    timeLabel->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    setAccessibleName(frame.model().content);
    update();
}

void logTableViewCell::paintEvent(QPaintEvent* event) {
    TableCell::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(53, height() - 0.5, width() - 16 - 53, 0.5), Style::hairline());
    const double lineTop = first_ ? 23.5 : 0;
    painter.fillRect(QRectF(kTimelineX - 0.5, lineTop, 1, height() - lineTop), kOtherGrey);
    if (first_) {
        painter.setPen(QPen(kFirstDotBorder, 2.75));
        painter.setBrush(kFirstDot);
        painter.drawEllipse(QRectF(16, 21, 11, 11).adjusted(-1.375, -1.375, 1.375, 1.375));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kOtherGrey);
        painter.drawEllipse(QRectF(18.5, 21.5, 7, 7));
    }
}

KQLogistyMsgVC::KQLogistyMsgVC(const QString& orderId, QWidget* parent)
    : KQSBaesVC(parent), order_id_(orderId) {
    setObjectName(QStringLiteral("KQLogistyMsgVC"));
}

void KQLogistyMsgVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    createTabelView();
    createData();
}

void KQLogistyMsgVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("物流信息"));
}

void KQLogistyMsgVC::createData() {
    KQProject& bag = KQProject::project();
    bag.order_id = order_id_;
    KQHttpClientList::getLogisticsMassagerWithProject(
        bag, onReply([this](const QJsonObject& reply) { waybillArrived(reply); }))
        ->guardedBy(this);
}

void KQLogistyMsgVC::createTabelView() {
    tableView_ = new KQBaseTableView(TableView::Style::Plain, this);
    tableView_->setObjectName(QStringLiteral("tableView"));
    tableView_->setBackgroundColor(Style::background());
    tableView_->setSeparatorsShown(false);
    tableView_->setDataSource(this);
    tableView_->reloadData();
    tableView_->show();
}

QWidget* KQLogistyMsgVC::createHeaderView() {
    auto* card = OrderWidgets::block(nullptr, Qt::white, QStringLiteral("logisticsHeader"));
    const int w = tableView_->viewport()->width();
    addCardTitle(card, QStringLiteral("iconfont-wodedingdan"), QStringLiteral("    订单内容"), 0);
    OrderWidgets::block(card, Style::hairline())->setGeometry(0, 44, w, 1);
    OrderWidgets::label(card, QString(), 14, Style::darkText(), QStringLiteral("物流公司:"))
        ->setGeometry(14, 50, 70, 24);
    nameLabel = OrderWidgets::label(card, QStringLiteral("nameLabel"), 14, Style::darkText(),
                                    model_ ? model_->company.name : QString());
    nameLabel->setGeometry(86, 50, w - 100, 24);
    OrderWidgets::label(card, QString(), 14, Style::darkText(), QStringLiteral("物流单号:"))
        ->setGeometry(14, 80, 70, 24);
    expressLabel = new MXLabel(model_ ? model_->number : QString(), card);
    expressLabel->setObjectName(QStringLiteral("expressLabel"));
    expressLabel->setFont(Style::systemFont(14));
    expressLabel->setStyleSheet(
        QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));
    expressLabel->setGeometry(86, 80, w - 100, 24);
    OrderWidgets::block(card, Style::hairline())->setGeometry(0, 114, w, 1);
    addCardTitle(card, QStringLiteral("orderwuLiu"), QStringLiteral("    快递跟踪"), 118);
    return card;
}

void KQLogistyMsgVC::waybillArrived(const QJsonObject& reply) {
    std::optional<KQSWayBillModel> waybill = KQSWayBillModel::fromReply(reply, width());
    if (!waybill) {
        return;
    }
    model_ = std::move(waybill);
    logArray_ = model_->process_list;
    tableView_->reloadData();
}

void KQLogistyMsgVC::layoutContent() {
    const int top = kNaviBarHeight + kMargin;
    tableView_->setGeometry(kMargin, top, width() - 2 * kMargin, height() - top - kMargin);
}

int KQLogistyMsgVC::numberOfRows(TableView*, int) {
    return int(logArray_.size());
}

TableCell* KQLogistyMsgVC::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = table->dequeue<logTableViewCell>();
    cell->setFrameModel(logArray_.at(indexPath.row), indexPath.row == 0);
    return cell;
}

int KQLogistyMsgVC::heightForRow(TableView*, IndexPath indexPath) {
    return int(std::ceil(logArray_.at(indexPath.row).heiht()));
}

int KQLogistyMsgVC::heightForHeader(TableView*, int) {
    return kHeaderHeight;
}

QWidget* KQLogistyMsgVC::viewForHeader(TableView*, int) {
    return createHeaderView();
}
