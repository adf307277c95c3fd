#include "ui/KQBorderButton.h"

#include "ui/Style.h"

#include <QPainter>

KQBorderButton::KQBorderButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
}

void KQBorderButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Style::darkText(), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.25, 0.25, -0.25, -0.25));
}
