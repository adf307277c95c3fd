#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small builders the screens share.
namespace Widgets {
// A plain-text label in the system font of that size and colour, on a transparent background.
QLabel* label(QWidget* parent, const QString& name, int points, const QColor& colour,
              const QString& text = QString());
// A plain coloured rectangle: hairlines, gaps, white blocks.
QWidget* block(QWidget* parent, const QColor& colour, const QString& name = QString());
// The full-width red button along the bottom of a form screen: white 17-point title.
QPushButton* bottomButton(QWidget* parent, const QString& name, const QString& title);
} // namespace Widgets
