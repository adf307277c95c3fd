#include "settings/KQSSettintCell.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QLabel>

namespace {

constexpr int kIconLeft = 15;
constexpr int kIconSide = 22;
constexpr int kTitleLeft = kIconLeft + kIconSide + 12;
constexpr int kTitleWidth = 70;
constexpr int kArrowSide = 16;
constexpr int kArrowRight = 12;
constexpr int kRightGap = 8;

QLabel* label(QWidget* parent, const QString& name, int points, const QColor& color) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(Style::systemFont(points));
    l->setTextFormat(Qt::PlainText);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    // Inside a button a label would take the button's text role.
    l->setForegroundRole(QPalette::WindowText);
    return l;
}

} // namespace

KQSSettintCell::KQSSettintCell(QWidget* parent)
    : TableCell(reuseIdentifier(), parent), iconView(new QLabel(this)),
      leftTitleLabel(label(this, QStringLiteral("leftTitleLabel"), 15, Style::darkText())),
      rigtTitleLabel(label(this, QStringLiteral("rigtTitleLabel"), 14, Style::greyText())),
      arrowView(new QLabel(this)), lineView(new QWidget(this)) {
    setBackgroundColor(Qt::white);
    iconView->setObjectName(QStringLiteral("iconView"));
    rigtTitleLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    arrowView->setObjectName(QStringLiteral("arrowView"));
    arrowView->setPixmap(Assets::image(QStringLiteral("Setting_iconfont-tiaozhuan")));
    lineView->setObjectName(QStringLiteral("lineView"));
    lineView->setAutoFillBackground(true);
    QPalette p = lineView->palette();
    p.setColor(QPalette::Window, Style::hairline());
    lineView->setPalette(p);
    for (QWidget* child :
         {static_cast<QWidget*>(iconView), static_cast<QWidget*>(leftTitleLabel),
          static_cast<QWidget*>(rigtTitleLabel), static_cast<QWidget*>(arrowView), lineView}) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void KQSSettintCell::setModel(const SettingModel& model) {
    iconView->setPixmap(Assets::image(model.icon, QSize(kIconSide, kIconSide)));
    leftTitleLabel->setText(model.leftTitle);
    setRightText(model.rigtTitle);
}

void KQSSettintCell::setRightText(const QString& text) {
    rightText_ = text;
    setAccessibleName(text.isEmpty() ? leftTitleLabel->text()
                                     : leftTitleLabel->text() + u' ' + text);
    showRightText();
}

void KQSSettintCell::showRightText() {
    rigtTitleLabel->setText(rigtTitleLabel->fontMetrics().elidedText(rightText_, Qt::ElideRight,
                                                                     rigtTitleLabel->width()));
}

void KQSSettintCell::setLineHidden(bool hidden) {
    lineView->setVisible(!hidden);
}

void KQSSettintCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    const int w = width();
    const int h = height();
    iconView->setGeometry(kIconLeft, (h - kIconSide) / 2, kIconSide, kIconSide);
    leftTitleLabel->setGeometry(kTitleLeft, 0, kTitleWidth, h);
    const int arrowLeft = w - kArrowRight - kArrowSide;
    arrowView->setGeometry(arrowLeft, (h - kArrowSide) / 2, kArrowSide, kArrowSide);
    const int rightLeft = kTitleLeft + kTitleWidth;
    rigtTitleLabel->setGeometry(rightLeft, 0, std::max(0, arrowLeft - kRightGap - rightLeft), h);
    lineView->setGeometry(kIconLeft, h - 1, std::max(0, w - kIconLeft), 1);
    showRightText();
}
