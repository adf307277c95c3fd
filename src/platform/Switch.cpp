#include "platform/Switch.h"

#include <QPainter>

namespace {
const QColor kOnTrack(76, 217, 100);
const QColor kOffTrack(229, 229, 234);
const QColor kKnobShadow(0, 0, 0, 40);
constexpr int kKnobInset = 2;
} // namespace

Switch::Switch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    resize(kSize);
}

// The whole widget answers a touch, not only the painted track.
bool Switch::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = QSizeF(kSize).scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF track(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    const qreal radius = track.height() / 2;
    painter.setPen(Qt::NoPen);
    QColor trackColour = isChecked() ? kOnTrack : kOffTrack;
    if (!isEnabled()) {
        trackColour.setAlpha(120);
    }
    painter.setBrush(trackColour);
    painter.drawRoundedRect(track, radius, radius);

    const qreal knob = track.height() - 2 * kKnobInset;
    const qreal x = isChecked() ? track.right() - kKnobInset - knob : track.left() + kKnobInset;
    const QRectF knobRect(x, track.top() + kKnobInset, knob, knob);
    painter.setBrush(kKnobShadow);
    painter.drawEllipse(knobRect.translated(0, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knobRect);
}
