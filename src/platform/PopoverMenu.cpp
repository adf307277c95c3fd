#include "platform/PopoverMenu.h"

#include "platform/PhoneWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr int margin = 8;
constexpr int menuMinimumWidth = 120;
constexpr int padding = 20;
constexpr int radius = 6;
constexpr int fontSize = 15;
const QColor lineColor(231, 238, 241);
} // namespace

PopoverMenu* PopoverMenu::showFrom(QWidget* anchor, const QStringList& entries, Chosen chosen) {
    if (!anchor || entries.isEmpty()) {
        return nullptr;
    }
    auto* menu = new PopoverMenu(anchor, entries, std::move(chosen));
    if (auto* phone = qobject_cast<PhoneWindow*>(anchor->window())) {
        // Under the toasts, like an alert.
        phone->addOverlay(menu, PhoneWindow::Layer::Modal);
    } else {
        menu->raise();
    }
    menu->show();
    menu->setFocus();
    return menu;
}

PopoverMenu::PopoverMenu(QWidget* anchor, const QStringList& entries, Chosen chosen)
    : QWidget(anchor->window()), m_anchor(anchor), m_entries(entries), m_chosen(std::move(chosen)) {
    setObjectName("popoverMenu");
    setAccessibleName("菜单");
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < entries.size(); ++i) {
        auto* button = new QPushButton(entries[i], this);
        button->setObjectName(QString("popoverEntry%1").arg(i));
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QString("QPushButton { border: none; background: transparent;"
                                      " color: rgb(56, 56, 56); font-size: %1px; }"
                                      "QPushButton:pressed { background: rgb(240, 241, 245); }")
                                  .arg(fontSize));
        connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
        m_buttons.append(button);
    }
    place();
}

QPushButton* PopoverMenu::entryButton(int index) const {
    return m_buttons.value(index);
}

void PopoverMenu::place() {
    QWidget* window = parentWidget();
    setGeometry(window->rect());
    const QRect anchor(m_anchor->mapTo(window, QPoint(0, 0)), m_anchor->size());

    QFont font = m_buttons.first()->font();
    font.setPixelSize(fontSize);
    const QFontMetrics metrics(font);
    int width = menuMinimumWidth;
    for (const QString& entry : std::as_const(m_entries)) {
        width = std::max(width, metrics.horizontalAdvance(entry) + 2 * padding);
    }
    width = std::min(width, window->width() - 2 * margin);
    const int height = int(m_entries.size()) * EntryHeight;

    // Below the anchor when it fits, above it otherwise; centred on it, kept inside.
    m_pointsUp = anchor.bottom() + ArrowHeight + height + margin <= window->height();
    const int y =
        m_pointsUp ? anchor.bottom() + 1 + ArrowHeight : anchor.top() - ArrowHeight - height;
    const int x = std::clamp(anchor.center().x() - width / 2, margin,
                             std::max(margin, window->width() - margin - width));
    m_box = QRect(x, y, width, height);
    m_arrowX =
        std::clamp(anchor.center().x(), x + radius + ArrowHeight, x + width - radius - ArrowHeight);
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setGeometry(x, y + i * EntryHeight, width, EntryHeight);
    }
}

void PopoverMenu::choose(int index) {
    if (m_closed) {
        return;
    }
    m_closed = true;
    hide();
    deleteLater();
    const QString entry = m_entries.value(index);
    emit entryChosen(index, entry);
    if (m_chosen) {
        m_chosen(index, entry);
    }
}

void PopoverMenu::dismiss() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    hide();
    deleteLater();
    emit dismissed();
}

void PopoverMenu::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void PopoverMenu::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!m_box.contains(event->position().toPoint())) {
        dismiss();
    }
}

void PopoverMenu::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        dismiss();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PopoverMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0, 0, 0, 40));

    QPainterPath shape;
    shape.addRoundedRect(QRectF(m_box), radius, radius);
    QPainterPath arrow;
    const qreal edge = m_pointsUp ? m_box.top() : m_box.bottom() + 1;
    const qreal tip = m_pointsUp ? edge - ArrowHeight : edge + ArrowHeight;
    arrow.moveTo(m_arrowX - ArrowHeight, edge);
    arrow.lineTo(m_arrowX, tip);
    arrow.lineTo(m_arrowX + ArrowHeight, edge);
    arrow.closeSubpath();
    shape = shape.united(arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(shape);

    painter.setPen(QPen(lineColor, 1));
    for (int i = 1; i < m_buttons.size(); ++i) {
        const int y = m_box.top() + i * EntryHeight;
        painter.drawLine(m_box.left() + padding / 2, y, m_box.right() - padding / 2, y);
    }
}
