#include "orders/KQSendGoodsVC.h"

#include "orders/KQChooseWaybillVC.h"
#include "orders/OrderNotifications.h"
#include "orders/OrderWidgets.h"
#include "platform/Assets.h"
#include "platform/NotificationCenter.h"
#include "service/KQHttpClientList.h"
#include "ui/Style.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {
constexpr int kRowHeight = 49;
constexpr int kGap = 12;
constexpr int kSideMargin = 15;
constexpr int kReceiverHeight = 110;
constexpr int kBottomHeight = 49;
constexpr int kArrowSize = 16;
const QColor kAddressGrey(102, 102, 102);
} // namespace

KQSendGoodsVC::KQSendGoodsVC(const QString& orderId, const KQOrderBuyerAddressModel& address,
                             QWidget* parent)
    : KQSBaesVC(parent), order_id_(orderId), addressM_(address) {
    setObjectName(QStringLiteral("KQSendGoodsVC"));
}

void KQSendGoodsVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    buildCompanyRow();
    buildNumberRow();
    buildReceiverBlock();
    saveBtn = OrderWidgets::bottomButton(this, QStringLiteral("saveBtn"), QStringLiteral("确定"));
    connect(saveBtn, &QPushButton::clicked, this, &KQSendGoodsVC::saveClick);
}

void KQSendGoodsVC::buildCompanyRow() {
    companyRow_ = OrderWidgets::block(this, Qt::white, QStringLiteral("companyRow"));
    OrderWidgets::label(companyRow_, QStringLiteral("companyLeft"), 15, Style::darkText(),
                        QStringLiteral("物流公司"))
        ->setGeometry(kSideMargin, 0, 100, kRowHeight);
    companyRight = new QPushButton(QStringLiteral("请选择"), companyRow_);
    companyRight->setObjectName(QStringLiteral("companyRight"));
    // Announced with its row label, so the prompt or the chosen company is heard too.
    companyRight->setAccessibleName(QStringLiteral("物流公司 请选择"));
    companyRight->setFont(Style::systemFont(15));
    companyRight->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent;"
                       " color: %1; text-align: right; }")
            .arg(Style::rgbText(Style::greyText())));
    connect(companyRight, &QPushButton::clicked, this, &KQSendGoodsVC::chooseCompany);
    arrow_ = new QLabel(companyRow_);
    arrow_->setPixmap(
        Assets::image(QStringLiteral("Setting_iconfont-tiaozhuan"), QSize(kArrowSize, kArrowSize)));
}

void KQSendGoodsVC::buildNumberRow() {
    numberRow_ = OrderWidgets::block(this, Qt::white, QStringLiteral("numberRow"));
    OrderWidgets::label(numberRow_, QStringLiteral("numberLeft"), 15, Style::darkText(),
                        QStringLiteral("快递单号"))
        ->setGeometry(kSideMargin, 0, 100, kRowHeight);
    idRight = new QLineEdit(numberRow_);
    idRight->setObjectName(QStringLiteral("idRight"));
    idRight->setPlaceholderText(QStringLiteral("请输入快递单号"));
    idRight->setAccessibleName(QStringLiteral("请输入快递单号"));
    idRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    idRight->setFont(Style::systemFont(15));
    idRight->setFrame(false);
    idRight->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: %1; }")
                               .arg(Style::rgbText(Style::darkText())));
    // The Done key closes the keyboard.
    connect(idRight, &QLineEdit::returnPressed, idRight, &QWidget::clearFocus);
}

void KQSendGoodsVC::buildReceiverBlock() {
    receiverBlock_ = OrderWidgets::block(this, Qt::white, QStringLiteral("receiverBlock"));
    receiverName_ =
        OrderWidgets::label(receiverBlock_, QStringLiteral("receiverName"), 15, Style::darkText(),
                            QStringLiteral("收货人: %1").arg(addressM_.name));
    receiverPhone_ = OrderWidgets::label(receiverBlock_, QStringLiteral("receiverPhone"), 15,
                                         Style::greyText(), addressM_.telephone);
    receiverPhone_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    receiverAddress_ = OrderWidgets::label(receiverBlock_, QStringLiteral("receiverAddress"), 14,
                                           kAddressGrey, addressM_.detail_address);
    receiverAddress_->setWordWrap(true);
    receiverAddress_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void KQSendGoodsVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("发货"));
}

void KQSendGoodsVC::layoutContent() {
    const int w = width();
    const int right = w - kSideMargin;
    companyRow_->setGeometry(0, kNaviBarHeight + kGap, w, kRowHeight);
    arrow_->setGeometry(right - kArrowSize, (kRowHeight - kArrowSize) / 2, kArrowSize, kArrowSize);
    companyRight->setGeometry(120, 0, right - kArrowSize - 6 - 120, kRowHeight);
    numberRow_->setGeometry(0, companyRow_->geometry().bottom() + 1 + kGap, w, kRowHeight);
    idRight->setGeometry(120, 0, right - 120, kRowHeight);
    receiverBlock_->setGeometry(0, numberRow_->geometry().bottom() + 1 + kGap, w, kReceiverHeight);
    receiverName_->setGeometry(kSideMargin, 12, w / 2, 22);
    receiverPhone_->setGeometry(w / 2, 12, w / 2 - kSideMargin, 22);
    receiverAddress_->setGeometry(kSideMargin, 40, w - 2 * kSideMargin, 65);
    saveBtn->setGeometry(0, height() - kBottomHeight, w, kBottomHeight);
}

void KQSendGoodsVC::chooseCompany() {
    auto* picker = new KQChooseWaybillVC;
    picker->chooseCompanyID = company_id_;
    QPointer<KQSendGoodsVC> self(this);
    picker->chooseReturn = [self](const QString& name, const QString& companyId) {
        if (self) {
            self->companyChosen(name, companyId);
        }
    };
    push(picker);
}

void KQSendGoodsVC::companyChosen(const QString& name, const QString& companyId) {
    companyRight->setText(name);
    companyRight->setAccessibleName(QStringLiteral("物流公司 %1").arg(name));
    company_id_ = companyId;
}

void KQSendGoodsVC::saveClick() {
    KQProject& bag = KQProject::project();
    bag.order_id = order_id_;
    bag.company_id = company_id_;
    bag.waybill_number = idRight->text();
    KQHttpClientList::request_SendGoodWith(bag, onReply([this](const QJsonObject&) { shipped(); }))
        ->guardedBy(this);
}

void KQSendGoodsVC::shipped() {
    NotificationCenter::post(OrderNotifications::sendGoods());
    back();
}
