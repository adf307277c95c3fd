#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small builders the order screens share.
namespace OrderWidgets {
QLabel* label(QWidget* parent, const QString& name, int points, const QColor& colour,
              const QString& text = QString());
// A plain coloured rectangle: hairlines, gaps, white blocks.
QWidget* block(QWidget* parent, const QColor& colour, const QString& name = QString());
// The full-width red button at the bottom of the close and ship screens.
QPushButton* bottomButton(QWidget* parent, const QString& name, const QString& title);
} // namespace OrderWidgets
