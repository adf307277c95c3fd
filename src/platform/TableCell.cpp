#include "platform/TableCell.h"

#include <QPainter>

namespace {
const QColor pressedColor(217, 217, 217);
}

TableCell::TableCell(const QString& reuseIdentifier, QWidget* parent)
    : QAbstractButton(parent), m_reuseIdentifier(reuseIdentifier) {
    setFocusPolicy(Qt::TabFocus);
}

void TableCell::setSelectionStyle(SelectionStyle style) {
    m_selectionStyle = style;
    update();
}

void TableCell::setBackgroundColor(const QColor& color) {
    m_backgroundColor = color;
    update();
}

void TableCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool highlighted = isDown() && m_selectionStyle == SelectionStyle::Gray;
    painter.fillRect(rect(), highlighted ? pressedColor : m_backgroundColor);
}

void TableCell::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    placeSeparator();
}

void TableCell::setSeparator(bool shown, int leftInset, const QColor& color) {
    if (!shown) {
        if (m_separator) {
            m_separator->hide();
        }
        return;
    }
    if (!m_separator) {
        m_separator = new QWidget(this);
        m_separator->setObjectName("separatorLine");
        m_separator->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_separator->setAutoFillBackground(true);
    }
    QPalette palette = m_separator->palette();
    palette.setColor(QPalette::Window, color);
    m_separator->setPalette(palette);
    m_separatorInset = leftInset;
    placeSeparator();
    m_separator->show();
    m_separator->raise();
}

void TableCell::placeSeparator() {
    if (m_separator) {
        m_separator->setGeometry(m_separatorInset, height() - 1, width() - m_separatorInset, 1);
    }
}
