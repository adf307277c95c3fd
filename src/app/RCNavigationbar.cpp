#include "app/RCNavigationbar.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>

namespace {

const QJsonObject& barLayout() {
    static const QJsonObject description = [] {
        QFile file(QStringLiteral(":/layouts/RCNavigationbar.json"));
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return description;
}

int barHeight() {
    return barLayout().value(QStringLiteral("height")).toInt(64);
}

// A slot's frame inside a bar of the given width.
QRect slotFrame(const QString& name, int barWidth) {
    const QJsonObject slot =
        barLayout().value(QStringLiteral("slots")).toObject().value(name).toObject();
    const int y = slot.value(QStringLiteral("y")).toInt();
    const int height = slot.value(QStringLiteral("height")).toInt();
    const bool fromLeft = slot.contains(QStringLiteral("x"));
    const bool fromRight = slot.contains(QStringLiteral("right"));
    const int x = slot.value(QStringLiteral("x")).toInt();
    const int right = slot.value(QStringLiteral("right")).toInt();
    int width = slot.value(QStringLiteral("width")).toInt();
    if (fromLeft && fromRight) {
        width = barWidth - x - right;
        return QRect(x, y, qMax(0, width), height);
    }
    return QRect(fromLeft ? x : barWidth - right - width, y, width, height);
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
    const QJsonArray rgb = barLayout()
                               .value(QStringLiteral("line"))
                               .toObject()
                               .value(QStringLiteral("color"))
                               .toArray();
    line->setObjectName(QStringLiteral("line"));
    line->setAttribute(Qt::WA_StyledBackground);
    line->setStyleSheet(QStringLiteral("background: rgb(%1,%2,%3);")
                            .arg(rgb.at(0).toInt(216))
                            .arg(rgb.at(1).toInt(216))
                            .arg(rgb.at(2).toInt(216)));
}

RCNavigationbar* RCNavigationbar::navigationbar(QWidget* screen) {
    auto* bar = new RCNavigationbar(screen);
    bar->setGeometry(0, 0, screen ? screen->width() : 375, barHeight());
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
