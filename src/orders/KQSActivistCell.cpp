#include "orders/KQSActivistCell.h"

#include "orders/OrderStatus.h"
#include "platform/Assets.h"
#include "platform/ImageView.h"
#include "ui/Style.h"

#include <QLabel>
#include <QUrl>

namespace {

constexpr int kPictureSide = 85;
constexpr int kPictureLeft = 22;
constexpr int kPictureTop = 21;
constexpr int kTextLeft = kPictureLeft + kPictureSide + 18;
constexpr int kRightMargin = 21;

QLabel* makeLabel(QWidget* parent, const QString& name, int points, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(Style::systemFont(points));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(colour)));
    return label;
}

} // namespace

KQSActivistCell::KQSActivistCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent), picture(new ImageView(this)),
      titleLabel(makeLabel(this, QStringLiteral("titleLabel"), 15, Style::darkText())),
      inventoryLabel(makeLabel(this, QStringLiteral("inventoryLabel"), 13, Style::greyText())),
      salesLabel(makeLabel(this, QStringLiteral("salesLabel"), 13, Style::greyText())),
      priceLabel(makeLabel(this, QStringLiteral("priceLabel"), 13, Style::darkText())),
      bottomLine(new QWidget(this)) {
    setSelectionStyle(SelectionStyle::None);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setContentMode(ImageView::ContentMode::AspectFill);
    picture->setAutoFillBackground(true);
    QPalette grey = picture->palette();
    grey.setColor(QPalette::Window, Style::greyText());
    picture->setPalette(grey);
    picture->setGeometry(kPictureLeft, kPictureTop, kPictureSide, kPictureSide);
    bottomLine->setAttribute(Qt::WA_StyledBackground);
    bottomLine->setStyleSheet(
        QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
    resize(375, kHeight);
}

void KQSActivistCell::setOrderItemModel(const KQOrderItemModel& item) {
    orderItemModel_ = item;
    picture->setImageUrl(QUrl(item.img), Assets::image(QStringLiteral("imagePicture")));
    titleLabel->setText(item.name);
    inventoryLabel->setText(
        QStringLiteral("商品规格: %1").arg(OrderTexts::specValues(item.spec_key)));
    salesLabel->setText(QStringLiteral("商品数量: %1").arg(item.quantity));
    priceLabel->setText(OrderTexts::dollars(item.price));
    setAccessibleName(item.name);
}

void KQSActivistCell::markFreeShipping() {
    priceLabel->setText(QStringLiteral("%1(包邮)").arg(priceLabel->text()));
}

void KQSActivistCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    const int textWidth = qMax(0, width() - kTextLeft - kRightMargin);
    const int lineHeight = 18;
    titleLabel->setGeometry(kTextLeft, kPictureTop, textWidth, lineHeight);
    inventoryLabel->setGeometry(kTextLeft, titleLabel->geometry().bottom() + 1 + 9, textWidth, 16);
    salesLabel->setGeometry(kTextLeft, inventoryLabel->geometry().bottom() + 1 + 9, textWidth, 16);
    priceLabel->setGeometry(kTextLeft, salesLabel->geometry().bottom() + 1 + 18, textWidth, 16);
    bottomLine->setGeometry(0, height() - 1, width(), 1);
}
