#include "app/TabBarButton.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QPainter>

namespace {
constexpr int kIconTop = 5;
constexpr int kTitlePoints = 10;
} // namespace

TabBarButton::TabBarButton(const QString& title, const QString& icon, const QString& selectedIcon,
                           QWidget* parent)
    : QAbstractButton(parent), icon_(icon), selectedIcon_(selectedIcon) {
    setText(title);
    setCheckable(true);
    setFont(Style::systemFont(kTitlePoints));
    setCursor(Qt::PointingHandCursor);
}

QRect TabBarButton::iconRect() const {
    const QSize size = Assets::image(icon_).size();
    return QRect(QPoint((width() - size.width()) / 2, kIconTop), size);
}

QRect TabBarButton::titleRect() const {
    const int top = iconRect().bottom() + 1;
    return QRect(0, top, width(), height() - top);
}

QColor TabBarButton::titleColor() const {
    return isChecked() ? Style::selectedRed() : Style::greyText();
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
