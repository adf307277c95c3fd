#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// A label in the system font at `points`, in a colour, that shows its text as plain text (never
// as rich text, whatever the service or the owner put into it).
QLabel* makePlainLabel(QWidget* parent, const QString& objectName, int points, const QColor& colour,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
