#include "goods/KQSGoodsCell.h"

#include "platform/Assets.h"
#include "platform/ImageView.h"
#include "ui/Style.h"

#include <QLabel>
#include <QUrl>

namespace {

constexpr int kMargin = 12;
constexpr int kBandHeight = 44;
constexpr int kTimeWidth = 140;
constexpr int kPictureSide = 110;
constexpr int kPictureTop = kBandHeight + 13;
constexpr int kTextLeft = kMargin + kPictureSide + kMargin;

QLabel* makeLabel(QWidget* parent, const QString& name, int points, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Style::systemFont(points));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(colour)));
    return label;
}

} // namespace

KQSGoodsCell::KQSGoodsCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent),
      groupLabel(makeLabel(this, QStringLiteral("groupLabel"), 13, Style::greyText())),
      timeLabel(makeLabel(this, QStringLiteral("timeLabel"), 13, Style::greyText())),
      line(new QWidget(this)), picture(new ImageView(this)),
      titleLabel(makeLabel(this, QStringLiteral("titleLabel"), 15, Style::darkText())),
      inventoryLabel(makeLabel(this, QStringLiteral("inventoryLabel"), 13, Style::greyText())),
      salesLabel(makeLabel(this, QStringLiteral("salesLabel"), 13, Style::greyText())),
      priceLabel(makeLabel(this, QStringLiteral("priceLabel"), 15, Style::selectedRed())) {
    setSelectionStyle(SelectionStyle::None);
    timeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    titleLabel->setWordWrap(true);
    titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->setObjectName(QStringLiteral("line"));
    line->setAttribute(Qt::WA_StyledBackground);
    line->setStyleSheet(QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
    picture->setObjectName(QStringLiteral("picture"));
    picture->setContentMode(ImageView::ContentMode::AspectFill);
    resize(351, kHeight);
}

void KQSGoodsCell::setModel(const KQSGoodsModel& model) {
    model_ = model;
    groupLabel->setText(groupText(model));
    timeLabel->setText(model.lmodify);
    picture->setImageUrl(QUrl(model.img), Assets::image(QStringLiteral("imagePicture")));
    titleLabel->setText(model.name);
    inventoryLabel->setText(QStringLiteral("库存: %1").arg(model.inventory));
    salesLabel->setText(QStringLiteral("销量: %1").arg(model.sale_count));
    priceLabel->setText(QStringLiteral("US$%1").arg(model.price, 0, 'f', 2));
    setAccessibleName(model.name);
}

QString KQSGoodsCell::groupText(const KQSGoodsModel& model) {
    const QList<KQSGoodsCategoryModel>& categories = model.category_list;
    QString group;
    if (categories.size() >= 2) {
        group = categories.at(0).name + QLatin1Char('>') + categories.at(1).name;
    } else if (categories.size() == 1) {
        group = categories.first().name;
    } else {
        group = model.gourp.isEmpty() ? QStringLiteral("全部") : model.gourp;
    }
    return QStringLiteral("所属分组: %1").arg(group);
}

void KQSGoodsCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    const int w = width();
    const int textWidth = qMax(0, w - kTextLeft - kMargin);
    groupLabel->setGeometry(kMargin, 0, qMax(0, w - 3 * kMargin - kTimeWidth), kBandHeight);
    timeLabel->setGeometry(w - kMargin - kTimeWidth, 0, kTimeWidth, kBandHeight);
    line->setGeometry(kMargin, kBandHeight, qMax(0, w - 2 * kMargin), 1);
    picture->setGeometry(kMargin, kPictureTop, kPictureSide, kPictureSide);
    titleLabel->setGeometry(kTextLeft, kPictureTop, textWidth, 40);
    inventoryLabel->setGeometry(kTextLeft, kPictureTop + 50, textWidth / 2, 18);
    salesLabel->setGeometry(kTextLeft + textWidth / 2, kPictureTop + 50, textWidth / 2, 18);
    priceLabel->setGeometry(kTextLeft, kPictureTop + kPictureSide - 22, textWidth, 22);
}
