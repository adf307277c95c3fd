#include "app/CredentialPanel.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kIconInset = 12;

QLabel* makeIcon(QWidget* parent, const QString& image) {
    auto* icon = new QLabel(parent);
    const QPixmap picture = Assets::image(image);
    icon->setPixmap(picture);
    icon->setFixedSize(picture.deviceIndependentSize().toSize());
    return icon;
}

QLineEdit* makeField(QWidget* parent, const CredentialPanel::Row& row) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(row.fieldName);
    field->setPlaceholderText(row.placeholder);
    field->setAccessibleName(row.placeholder);
    field->setFont(Style::systemFont(15));
    field->setClearButtonEnabled(true);
    field->setFrame(false);
    return field;
}

} // namespace

CredentialPanel::CredentialPanel(const Row& first, const Row& second, QWidget* parent)
    : QWidget(parent), firstIcon(makeIcon(this, first.image)), firstField(makeField(this, first)),
      secondIcon(makeIcon(this, second.image)), secondField(makeField(this, second)),
      separator_(new QWidget(this)) {
    setObjectName(QStringLiteral("textBarView"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#textBarView { background: white; }"
                                 "QLineEdit { background: white; color: %1; }")
                      .arg(Style::rgbText(Style::darkText())));
    separator_->setAttribute(Qt::WA_StyledBackground);
    separator_->setStyleSheet(
        QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
    resize(width(), kHeight);
}

void CredentialPanel::setSecondRowAccessory(QWidget* accessory, int width) {
    accessory_ = accessory;
    accessoryWidth_ = width;
    accessory_->setParent(this);
    layoutRows();
}

void CredentialPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutRows();
}

void CredentialPanel::layoutRows() {
    const int w = width();
    separator_->setGeometry(0, kRowHeight, w, 1);
    const auto placeRow = [w](QLabel* icon, QLineEdit* field, int top, int rightRoom) {
        icon->move(kIconInset, top + (kRowHeight - icon->height()) / 2);
        const int fieldLeft = kIconInset + icon->width() + kIconInset;
        field->setGeometry(fieldLeft, top, std::max(0, w - fieldLeft - rightRoom), kRowHeight);
    };
    placeRow(firstIcon, firstField, 0, 0);
    placeRow(secondIcon, secondField, kHeight - kRowHeight, accessoryWidth_);
    if (accessory_) {
        accessory_->setGeometry(w - accessoryWidth_, kHeight - kRowHeight, accessoryWidth_,
                                kRowHeight);
    }
}
