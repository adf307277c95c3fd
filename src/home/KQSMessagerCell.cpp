#include "home/KQSMessagerCell.h"

#include "platform/Assets.h"
#include "ui/Style.h"
#include "ui/Timestamp_Time.h"

#include <QLabel>

namespace {
QLabel* label(QWidget* parent, const QString& name, int points, const QColor& color) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(Style::systemFont(points));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    // Inside a button a label would take the button's text role.
    l->setForegroundRole(QPalette::WindowText);
    return l;
}

constexpr int kMarkSize = 18;
const QColor kMarkRed(255, 0, 0);
} // namespace

KQSMessagerCell::KQSMessagerCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent), iconView(new QLabel(this)),
      titleLabel(label(this, QStringLiteral("titleLabel"), 17, Style::darkText())),
      deTitleLabel(label(this, QStringLiteral("deTitleLabel"), 12, Style::greyText())),
      timerLabel(label(this, QStringLiteral("timerLabel"), 10, Style::greyText())),
      numMessagerLabel(label(this, QStringLiteral("numMessagerLabel"), 12, Qt::white)),
      lineView(new QWidget(this)) {
    setSelectionStyle(SelectionStyle::None);
    setBackgroundColor(Qt::white);
    iconView->setObjectName(QStringLiteral("iconView"));
    iconView->setPixmap(Assets::image(QStringLiteral("messager_message"), QSize(30, 30)));
    titleLabel->setText(QStringLiteral("订单提醒"));
    timerLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numMessagerLabel->setAlignment(Qt::AlignCenter);
    numMessagerLabel->setText(QStringLiteral("1"));
    numMessagerLabel->setAccessibleName(QStringLiteral("未读"));
    numMessagerLabel->setStyleSheet(
        QStringLiteral("color: white; background-color: %1; border-radius: %2px;")
            .arg(Style::rgbText(kMarkRed))
            .arg(kMarkSize / 2));
    lineView->setObjectName(QStringLiteral("lineView"));
    lineView->setAutoFillBackground(true);
    QPalette p = lineView->palette();
    p.setColor(QPalette::Window, Style::hairline());
    lineView->setPalette(p);
    for (QWidget* child : {static_cast<QWidget*>(iconView), static_cast<QWidget*>(titleLabel),
                           static_cast<QWidget*>(deTitleLabel), static_cast<QWidget*>(timerLabel),
                           static_cast<QWidget*>(numMessagerLabel), lineView}) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void KQSMessagerCell::setModel(const KQSMessageModel& model) {
    model_ = model;
    deTitleLabel->setText(model.content);
    timerLabel->setText(
        Timestamp_Time::timestampConversionTimeWithTimeStr(model.posttime.toDouble()));
    numMessagerLabel->setVisible(!model.viewed);
    setAccessibleName(QStringLiteral("%1 %2").arg(titleLabel->text(), model.content));
}

void KQSMessagerCell::setLineHidden(bool hidden) {
    lineView->setVisible(!hidden);
}

void KQSMessagerCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    const int w = width();
    iconView->setGeometry(13, 20, 30, 30);
    titleLabel->setGeometry(56, 15, std::max(0, w - 56 - 150), 22);
    timerLabel->setGeometry(w - 10 - 140, 15, 140, 16);
    deTitleLabel->setGeometry(56, 42, std::max(0, w - 38 - 56), 16);
    numMessagerLabel->setGeometry(w - 15 - kMarkSize, 38, kMarkSize, kMarkSize);
    lineView->setGeometry(55, height() - 1, std::max(0, w - 55), 1);
}
