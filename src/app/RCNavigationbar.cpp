#include "app/RCNavigationbar.h"

#include "platform/Assets.h"
#include "platform/PhoneWindow.h"
#include "ui/PanelLayout.h"
#include "ui/Style.h"

#include <QJsonObject>
#include <QLabel>
#include <QPushButton>

namespace {

const QJsonObject& barLayout() {
    static const QJsonObject description = LayoutFile::read(QStringLiteral("RCNavigationbar"));
    return description;
}

int barHeight() {
    return barLayout().value(QStringLiteral("height")).toInt(64);
}

// A slot's frame inside a bar of the given width.
QRect slotFrame(const QString& name, int barWidth) {
    return LayoutFile::frame(
        barLayout().value(QStringLiteral("slots")).toObject().value(name).toObject(), barWidth);
}

QPushButton* makeSlot(const QString& name, QWidget* bar) {
    auto* slot = new QPushButton(bar);
    slot->setObjectName(name);
    slot->setFlat(true);
    slot->setFont(Style::systemFont(barLayout().value(QStringLiteral("buttonFontSize")).toInt(15)));
    slot->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; color: %1; }")
            .arg(Style::rgbText(Style::darkText())));
    slot->hide();
    return slot;
}

} // namespace

RCNavigationbar::RCNavigationbar(QWidget* parent)
    : QWidget(parent), right0(makeSlot(QStringLiteral("right0"), this)),
      right1(makeSlot(QStringLiteral("right1"), this)),
      left0(makeSlot(QStringLiteral("left0"), this)),
      left1(makeSlot(QStringLiteral("left1"), this)), titleView(new QLabel(this)),
      line(new QWidget(this)) {
    setObjectName(QStringLiteral("navigationbar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("RCNavigationbar { background: white; }"));
    titleView->setObjectName(QStringLiteral("titleView"));
    titleView->setAlignment(Qt::AlignCenter);
    titleView->setFont(
        Style::systemFont(barLayout().value(QStringLiteral("titleFontSize")).toInt(17)));
    titleView->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));
    const QColor lineColour = LayoutFile::colour(
        barLayout().value(QStringLiteral("line")).toObject().value(QStringLiteral("color")),
        QColor(216, 216, 216));
    line->setObjectName(QStringLiteral("line"));
    line->setAttribute(Qt::WA_StyledBackground);
    line->setStyleSheet(QStringLiteral("background: %1;").arg(Style::rgbText(lineColour)));
}

RCNavigationbar* RCNavigationbar::navigationbar(QWidget* screen) {
    auto* bar = new RCNavigationbar(screen);
    bar->setGeometry(0, 0, screen ? screen->width() : PhoneWindow::defaultSize.width(),
                     barHeight());
    bar->applyLayout();
    bar->show();
    bar->raise();
    return bar;
}

void RCNavigationbar::setTitle(const QString& title) {
    titleView->setText(title);
}

void RCNavigationbar::setImageAction(QPushButton* slot, const QString& imageName,
                                     const QString& name, std::function<void()> action) {
    slot->setIcon(Assets::icon(imageName));
    slot->setIconSize(Assets::image(imageName).size());
    slot->setAccessibleName(name);
    slot->setToolTip(name);
    QObject::disconnect(slot, &QPushButton::clicked, nullptr, nullptr);
    QObject::connect(slot, &QPushButton::clicked, slot, [action = std::move(action)] { action(); });
    slot->show();
}

void RCNavigationbar::setTextAction(QPushButton* slot, const QString& title,
                                    std::function<void()> action) {
    slot->setText(title);
    QObject::disconnect(slot, &QPushButton::clicked, nullptr, nullptr);
    QObject::connect(slot, &QPushButton::clicked, slot, [action = std::move(action)] { action(); });
    slot->show();
}

void RCNavigationbar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyLayout();
}

void RCNavigationbar::applyLayout() {
    const int w = width();
    left0->setGeometry(slotFrame(QStringLiteral("left0"), w));
    left1->setGeometry(slotFrame(QStringLiteral("left1"), w));
    right0->setGeometry(slotFrame(QStringLiteral("right0"), w));
    right1->setGeometry(slotFrame(QStringLiteral("right1"), w));
    titleView->setGeometry(slotFrame(QStringLiteral("titleView"), w));
    // The hairline's top sits at 63.5 points: half a point is drawn into the bar's last row.
    const QJsonObject l = barLayout().value(QStringLiteral("line")).toObject();
    const qreal top = l.value(QStringLiteral("y")).toDouble(63.5);
    line->setGeometry(0, int(top), w, 1);
}
