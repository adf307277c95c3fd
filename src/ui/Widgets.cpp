#include "ui/Widgets.h"

#include "ui/Style.h"

#include <QLabel>
#include <QPushButton>

namespace Widgets {

QLabel* label(QWidget* parent, const QString& name, int points, const QColor& colour,
              const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Style::systemFont(points));
    label->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(Style::rgbText(colour)));
    return label;
}

QWidget* block(QWidget* parent, const QColor& colour, const QString& name) {
    auto* view = new QWidget(parent);
    if (!name.isEmpty()) {
        view->setObjectName(name);
    }
    view->setAttribute(Qt::WA_StyledBackground);
    view->setStyleSheet(QStringLiteral("background: %1;").arg(Style::rgbText(colour)));
    return view;
}

QPushButton* bottomButton(QWidget* parent, const QString& name, const QString& title) {
    auto* button = new QPushButton(title, parent);
    button->setObjectName(name);
    button->setFont(Style::systemFont(17));
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: white; border: none; background: %1; }")
            .arg(Style::rgbText(Style::selectedRed())));
    return button;
}

} // namespace Widgets
