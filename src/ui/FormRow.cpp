#include "ui/FormRow.h"

#include "platform/Assets.h"
#include "platform/Switch.h"
#include "ui/Style.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kArrowSize = 16;
constexpr int kGap = 10;
} // namespace

FormRow::FormRow(const QString& title, QWidget* parent)
    : QWidget(parent),
      title_(Widgets::label(this, QStringLiteral("rowTitle"), kFontSize, Style::darkText(), title)),
      separator_(Widgets::block(this, Style::hairline())) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

FormRow* FormRow::textField(const QString& title, const QString& placeholder, QWidget* parent) {
    auto* row = new FormRow(title, parent);
    auto* field = new QLineEdit(row);
    field->setPlaceholderText(placeholder);
    field->setAccessibleName(placeholder);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setFont(Style::systemFont(kFontSize));
    field->setFrame(false);
    field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: %1; }")
                             .arg(Style::rgbText(Style::darkText())));
    connect(field, &QLineEdit::returnPressed, field, &QWidget::clearFocus);
    row->field_ = field;
    return row;
}

FormRow* FormRow::choice(const QString& title, const QString& value, QWidget* parent) {
    auto* row = new FormRow(title, parent);
    row->value_ = Widgets::label(row, QStringLiteral("rowValue"), kFontSize, Style::greyText());
    row->value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->arrow_ = new QLabel(row);
    row->arrow_->setPixmap(
        Assets::image(QStringLiteral("Setting_iconfont-tiaozhuan"), QSize(kArrowSize, kArrowSize)));
    row->button_ = new QPushButton(row);
    row->button_->setFlat(true);
    row->button_->setCursor(Qt::PointingHandCursor);
    row->button_->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; }"));
    row->setValue(value);
    return row;
}

FormRow* FormRow::toggle(const QString& title, QWidget* parent) {
    auto* row = new FormRow(title, parent);
    row->switch_ = new Switch(row);
    row->switch_->setAccessibleName(title);
    return row;
}

QString FormRow::title() const {
    return title_->text();
}

QString FormRow::value() const {
    return value_ ? value_->text() : QString();
}

void FormRow::setValue(const QString& value) {
    if (!value_) {
        return;
    }
    value_->setText(value);
    button_->setAccessibleName(QStringLiteral("%1 %2").arg(title(), value));
}

void FormRow::setSeparatorShown(bool shown) {
    separator_->setVisible(shown);
}

void FormRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int right = w - kSideMargin;
    const int titleWidth = title_->text().isEmpty() ? 0 : title_->sizeHint().width();
    title_->setGeometry(kSideMargin, 0, titleWidth, h);
    const int controlLeft = kSideMargin + titleWidth + kGap;
    if (field_) {
        field_->setGeometry(controlLeft, 0, right - controlLeft, h);
    }
    if (value_) {
        arrow_->setGeometry(right - kArrowSize, (h - kArrowSize) / 2, kArrowSize, kArrowSize);
        value_->setGeometry(controlLeft, 0, right - kArrowSize - 6 - controlLeft, h);
        button_->setGeometry(rect());
        button_->raise();
    }
    if (switch_) {
        switch_->setGeometry(right - Switch::kSize.width(), (h - Switch::kSize.height()) / 2,
                             Switch::kSize.width(), Switch::kSize.height());
    }
    separator_->setGeometry(0, h - 1, w, 1);
}
