#include "app/RCNavigationbar.h"

#include "platform/Assets.h"
#include "platform/PhoneWindow.h"
#include "ui/PanelLayout.h"
#include "ui/Style.h"

#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

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

QColor lineColour() {
    return LayoutFile::colour(
        barLayout().value(QStringLiteral("line")).toObject().value(QStringLiteral("color")),
        QColor(216, 216, 216));
}

// The hairline under the bar: a strip of whole points that paints the layout's fractional
// line (0.5 point at y 63.5) inside itself, sharp on a 2x screen.
class Hairline : public QWidget {
public:
    Hairline(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {}
    void place(qreal top, qreal height, int width) {
        offset_ = top - std::floor(top);
        height_ = height;
        setGeometry(0, int(std::floor(top)), width, int(std::ceil(top + height) - std::floor(top)));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(QRectF(0, offset_, width(), height_), colour_);
    }

private:
    QColor colour_;
    qreal offset_ = 0;
    qreal height_ = 1;
};

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
      line(new Hairline(lineColour(), this)) {
    setObjectName(QStringLiteral("navigationbar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("RCNavigationbar { background: white; }"));
    titleView->setObjectName(QStringLiteral("titleView"));
    titleView->setAlignment(Qt::AlignCenter);
    titleView->setFont(
        Style::systemFont(barLayout().value(QStringLiteral("titleFontSize")).toInt(17)));
    titleView->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));
    line->setObjectName(QStringLiteral("line"));
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
    const QJsonObject l = barLayout().value(QStringLiteral("line")).toObject();
    static_cast<Hairline*>(line)->place(l.value(QStringLiteral("y")).toDouble(63.5),
                                        l.value(QStringLiteral("height")).toDouble(0.5), w);
}
