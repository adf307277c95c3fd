#include "ui/PlainLabel.h"

#include "ui/Style.h"

#include <QLabel>

QLabel* makePlainLabel(QWidget* parent, const QString& objectName, int points, const QColor& colour,
                       Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFont(Style::systemFont(points));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    // Inside a button a label would otherwise take the button's text role.
    label->setForegroundRole(QPalette::WindowText);
    return label;
}
