#include "app/TabBarButton.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QPainter>

TabBarButton::Look TabBarButton::rootLook() {
    Look look;
    look.selectedColour = Style::selectedRed();
    return look;
}

TabBarButton::TabBarButton(const QString& title, const QString& icon, const QString& selectedIcon,
                           QWidget* parent)
    : TabBarButton(title, icon, selectedIcon, rootLook(), parent) {}

TabBarButton::TabBarButton(const QString& title, const QString& icon, const QString& selectedIcon,
                           const Look& look, QWidget* parent)
    : QAbstractButton(parent), icon_(icon), selectedIcon_(selectedIcon), look_(look) {
    setText(title);
    setCheckable(true);
    setFont(Style::systemFont(look_.titlePoints));
    setCursor(Qt::PointingHandCursor);
}

QRect TabBarButton::iconRect() const {
    const QSize size = look_.iconSize.isEmpty() ? Assets::image(icon_).size() : look_.iconSize;
    return QRect(QPoint((width() - size.width()) / 2, look_.iconTop), size);
}

QRect TabBarButton::titleRect() const {
    const int top = iconRect().bottom() + 1;
    const int height = look_.titleHeight > 0 ? look_.titleHeight : this->height() - top;
    return QRect(0, top, width(), height);
}

QColor TabBarButton::titleColor() const {
    return isChecked() ? look_.selectedColour : Style::greyText();
}

void TabBarButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect iconArea = iconRect();
    painter.drawPixmap(iconArea,
                       Assets::image(isChecked() ? selectedIcon_ : icon_, iconArea.size()));
    painter.setPen(titleColor());
    painter.setFont(font());
    painter.drawText(titleRect(), Qt::AlignCenter, text());
}
