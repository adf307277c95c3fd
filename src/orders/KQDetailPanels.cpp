#include "orders/KQDetailPanels.h"

#include "orders/OrderStatus.h"
#include "orders/OrderWidgets.h"
#include "platform/Assets.h"
#include "platform/ImageView.h"
#include "ui/Style.h"

#include <QLabel>
#include <QUrl>

namespace {

const QColor kMidGrey(102, 102, 102);
const QColor kFoldRed(255, 101, 101);
constexpr int kInset = 15;
constexpr int kFoldWidth = 70;

void whiteBackground(QWidget* panel) {
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("background: white;"));
}

// The 48-point header of a foldable panel: its title at the left, the fold button at the right.
QWidget* foldHeader(QWidget* panel, const QString& titleText, KQFoldButton*& button) {
    auto* header = new QWidget(panel);
    header->setObjectName(QStringLiteral("messageBG"));
    OrderWidgets::label(header, QStringLiteral("headerTitle"), 13, kMidGrey, titleText)
        ->setGeometry(kInset, 0, 200, KQDetailProductMsgView::kHeaderHeight);
    button = new KQFoldButton(header);
    return header;
}

QLabel* wrapped(QLabel* label) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

KQFoldButton::KQFoldButton(QWidget* parent) : QPushButton(parent) {
    setObjectName(QStringLiteral("messageBtn"));
    setFont(Style::systemFont(13));
    setLayoutDirection(Qt::RightToLeft);
    setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; color: %1; }")
            .arg(Style::rgbText(kFoldRed)));
    setIconSize(QSize(12, 12));
    setSelected(true);
}

void KQFoldButton::setSelected(bool selected) {
    selected_ = selected;
    setIcon(Assets::icon(selected ? QStringLiteral("orderManager_shang")
                                  : QStringLiteral("orderManager_xia")));
    setText(selected ? QStringLiteral("收起") : QStringLiteral("展开"));
}

KQDetailMsgBtmView::KQDetailMsgBtmView(const KQOrderItemModel& item, const QString& statusText,
                                       QWidget* parent)
    : QWidget(parent), iconV(new ImageView(this)),
      title(wrapped(
          OrderWidgets::label(this, QStringLiteral("title"), 15, Style::darkText(), item.name))),
      number(OrderWidgets::label(this, QStringLiteral("number"), 13, Style::greyText(),
                                 QStringLiteral("数量:%1").arg(item.quantity))),
      discount(OrderWidgets::label(
          this, QStringLiteral("discount"), 13, Style::greyText(),
          QStringLiteral("优惠:%1").arg(OrderTexts::dollars(item.discount_amount)))),
      status(OrderWidgets::label(this, QStringLiteral("status"), 12, kMidGrey, statusText)),
      price(OrderWidgets::label(this, QStringLiteral("price"), 13, Style::darkText(),
                                QStringLiteral("单价:%1").arg(OrderTexts::dollars(item.price)))),
      line_(OrderWidgets::block(this, Style::hairline())) {
    setObjectName(QStringLiteral("itemView"));
    iconV->setObjectName(QStringLiteral("iconV"));
    iconV->setContentMode(ImageView::ContentMode::AspectFill);
    iconV->setImageUrl(QUrl(item.img), Assets::image(QStringLiteral("imagePicture")));
    title->setMaximumHeight(40);
}

void KQDetailMsgBtmView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int textLeft = kInset + 90 + 12;
    const int textWidth = qMax(0, width() - textLeft - kInset);
    iconV->setGeometry(kInset, 15, 90, 90);
    title->setGeometry(textLeft, 15, textWidth, 40);
    number->setGeometry(textLeft, 60, textWidth, 18);
    discount->setGeometry(textLeft, 84, textWidth, 18);
    price->setGeometry(textLeft, 84, textWidth, 18);
    price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status->setGeometry(kInset, 120, width() - 2 * kInset, 30);
    line_->setGeometry(0, height() - 1, width(), 1);
}

KQDetailProductMsgView::KQDetailProductMsgView(const QList<KQOrderItemModel>& items,
                                               const QString& statusText,
                                               const KQOrderWaybillNewsModel& waybill,
                                               bool showsLogistics, QWidget* parent)
    : QWidget(parent), messageBG(foldHeader(this, QStringLiteral("商品信息"), messageBtn)),
      bottomV(new QWidget(this)), orderModelArr(items), receiveBG(new QPushButton(bottomV)),
      receiveL(OrderWidgets::label(receiveBG, QStringLiteral("receiveL"), 12, kMidGrey)),
      time(OrderWidgets::label(receiveBG, QStringLiteral("time"), 12, kMidGrey)),
      headerLine_(OrderWidgets::block(this, Style::hairline())), arrow_(new QLabel(receiveBG)) {
    setObjectName(QStringLiteral("productMsg"));
    whiteBackground(this);
    bottomV->setObjectName(QStringLiteral("bottomV"));
    for (const KQOrderItemModel& item : items) {
        ViewArray.append(new KQDetailMsgBtmView(item, statusText, bottomV));
    }
    receiveBG->setObjectName(QStringLiteral("receiveBG"));
    receiveBG->setAccessibleName(QStringLiteral("查看物流"));
    receiveBG->setFlat(true);
    receiveBG->setStyleSheet(QStringLiteral("QPushButton { border: none; background: white; }"));
    receiveL->setText(waybill.content.isEmpty() ? QStringLiteral("暂无物流信息") : waybill.content);
    receiveL->setWordWrap(true);
    time->setText(OrderTexts::timeText(waybill.posttime));
    arrow_->setPixmap(Assets::image(QStringLiteral("Setting_iconfont-tiaozhuan"), QSize(16, 16)));
    for (QWidget* child : {static_cast<QWidget*>(receiveL), static_cast<QWidget*>(time),
                           static_cast<QWidget*>(arrow_)}) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    receiveBG->setVisible(showsLogistics);
    resize(375, heightFor(int(items.size()), showsLogistics));
}

int KQDetailProductMsgView::heightFor(int items, bool showsLogistics) {
    return KQDetailMsgBtmView::kHeight * items + kHeaderHeight +
           (showsLogistics ? kLogisticsHeight : 0);
}

void KQDetailProductMsgView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    messageBG->setGeometry(0, 0, w, kHeaderHeight);
    messageBtn->setGeometry(w - kFoldWidth - 5, 0, kFoldWidth, kHeaderHeight);
    headerLine_->setGeometry(0, kHeaderHeight - 1, w, 1);
    const int bodyHeight = KQDetailMsgBtmView::kHeight * int(ViewArray.size()) + kLogisticsHeight;
    bottomV->setGeometry(0, kHeaderHeight, w, bodyHeight);
    for (int i = 0; i < ViewArray.size(); ++i) {
        ViewArray[i]->setGeometry(0, KQDetailMsgBtmView::kHeight * i, w,
                                  KQDetailMsgBtmView::kHeight);
    }
    receiveBG->setGeometry(0, KQDetailMsgBtmView::kHeight * int(ViewArray.size()), w,
                           kLogisticsHeight);
    receiveL->setGeometry(kInset, 10, w - 2 * kInset - 24, 32);
    time->setGeometry(kInset, 44, w - 2 * kInset - 24, 16);
    arrow_->setGeometry(w - kInset - 16, (kLogisticsHeight - 16) / 2, 16, 16);
}

KQDetailOrderMsgView::KQDetailOrderMsgView(const KQOrderModel& order, QWidget* parent)
    : QWidget(parent), messageBG(foldHeader(this, QStringLiteral("订单信息"), messageBtn)),
      bottomV(new QWidget(this)),
      orderNum(OrderWidgets::label(bottomV, QStringLiteral("orderNum"), 14, Style::darkText(),
                                   QStringLiteral("订单编号: %1").arg(order.order_id))),
      buyer(OrderWidgets::label(bottomV, QStringLiteral("buyer"), 14, Style::darkText(),
                                QStringLiteral("买家: %1").arg(order.buyer.nickname))),
      getter(OrderWidgets::label(bottomV, QStringLiteral("getter"), 14, Style::darkText(),
                                 QStringLiteral("收货人: %1").arg(order.address.name))),
      phone(OrderWidgets::label(bottomV, QStringLiteral("phone"), 14, Style::darkText(),
                                order.address.telephone)),
      address(wrapped(OrderWidgets::label(bottomV, QStringLiteral("address"), 14, kMidGrey,
                                          order.address.detail_address))),
      address2(wrapped(OrderWidgets::label(bottomV, QStringLiteral("address2"), 14, kMidGrey,
                                           order.address.detail_address2))),
      buyMsg(wrapped(OrderWidgets::label(bottomV, QStringLiteral("buyMsg"), 14, kMidGrey,
                                         order.message.isEmpty() ? QStringLiteral("暂无留言")
                                                                 : order.message))),
      headerLine_(OrderWidgets::block(this, Style::hairline())),
      buyMsgCaption_(OrderWidgets::label(bottomV, QString(), 14, Style::darkText(),
                                         QStringLiteral("买家留言: "))) {
    setObjectName(QStringLiteral("orderMsg"));
    whiteBackground(this);
    bottomV->setObjectName(QStringLiteral("bottomV"));
    phone->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resize(375, kHeight);
}

void KQDetailOrderMsgView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int inner = w - 2 * kInset;
    messageBG->setGeometry(0, 0, w, KQDetailProductMsgView::kHeaderHeight);
    messageBtn->setGeometry(w - kFoldWidth - 5, 0, kFoldWidth,
                            KQDetailProductMsgView::kHeaderHeight);
    headerLine_->setGeometry(0, KQDetailProductMsgView::kHeaderHeight - 1, w, 1);
    bottomV->setGeometry(0, KQDetailProductMsgView::kHeaderHeight, w, kBodyHeight);
    orderNum->setGeometry(kInset, 12, inner, 22);
    buyer->setGeometry(kInset, 40, inner, 22);
    getter->setGeometry(kInset, 68, inner / 2, 22);
    phone->setGeometry(kInset + inner / 2, 68, inner - inner / 2, 22);
    address->setGeometry(kInset, 96, inner, 38);
    address2->setGeometry(kInset, 136, inner, 38);
    buyMsgCaption_->setGeometry(kInset, 180, 72, 22);
    buyMsg->setGeometry(kInset + 72, 182, inner - 72, 40);
}

KQDetailOrderProgressView::KQDetailOrderProgressView(const QList<KQOrderStatusDetailModel>& history,
                                                     QWidget* parent)
    : QWidget(parent), title(OrderWidgets::label(this, QStringLiteral("title"), 15,
                                                 Style::darkText(), QStringLiteral("订单进度"))),
      order(OrderWidgets::label(this, QStringLiteral("order"), 12, kMidGrey)),
      apply(OrderWidgets::label(this, QStringLiteral("apply"), 12, kMidGrey)),
      finshApply(OrderWidgets::label(this, QStringLiteral("finshApply"), 12, kMidGrey)),
      jiesuan(OrderWidgets::label(this, QStringLiteral("jiesuan"), 12, kMidGrey)) {
    setObjectName(QStringLiteral("progress"));
    whiteBackground(this);
    title->setGeometry(kInset, 12, 200, 24);
    const QList<QPair<QLabel*, int>> rows{
        {order, 48}, {apply, 76}, {finshApply, 104}, {jiesuan, 132}};
    for (const auto& [label, top] : rows) {
        label->setGeometry(kInset, top, 320, 18);
        label->hide();
    }
    const QList<std::tuple<QString, QLabel*, QString>> entries{
        {"payment", order, "买家下单: %1"},
        {"payment-done", apply, "付款至平台: %1"},
        {"deliver", finshApply, "商家发货: %1"},
        {"balance", jiesuan, "结算货款: %1"}};
    for (const KQOrderStatusDetailModel& entry : history) {
        for (const auto& [status, label, format] : entries) {
            if (entry.status == status) {
                label->setText(format.arg(OrderTexts::timeText(entry.posttime)));
                label->show();
            }
        }
    }
    resize(375, kHeight);
}
