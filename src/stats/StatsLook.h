#pragma once

#include <QColor>

class QLabel;
class QWidget;

// Colours and small pieces the statistics pages share.
namespace StatsLook {

// The series colours: visitors and placed orders, page views and completed orders, shipped
// orders.
inline QColor red() {
    return QColor(255, 0, 0);
}
inline QColor green() {
    return QColor(0, 255, 0);
}
inline QColor blue() {
    return QColor(0, 0, 255);
}

// A plain rectangle of one colour.
QWidget* block(QWidget* parent, const QColor& colour);
// A 12-point caption whose 12-point band starts at `top`: the label is a little taller than the
// band, centred on it, so that no glyph is clipped.
void placeCaption(QLabel* caption, int x, int top, int width);

} // namespace StatsLook
