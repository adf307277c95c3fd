#include "ui/KQTextView.h"

#include "ui/TextLimit.h"

#include <QKeyEvent>

KQTextView::KQTextView(QWidget* parent)
    : QPlainTextEdit(parent), placeholderColor_(Qt::lightGray),
      realTextColor_(palette().color(QPalette::Text)) {
    connect(this, &QPlainTextEdit::textChanged, this, &KQTextView::applyMaxLength);
}

void KQTextView::setMaxLength(int maxLength) {
    maxLength_ = std::max(maxLength, 0);
    applyMaxLength();
}

void KQTextView::applyMaxLength() {
    if (maxLength_ <= 0 || isShowingPlaceholder()) {
        return;
    }
    const QString held = toPlainText();
    const QString kept = TextLimit::cut(held, maxLength_);
    if (kept.size() == held.size()) {
        return;
    }
    setPlainText(kept);
    moveCursor(QTextCursor::End);
}

void KQTextView::keyPressEvent(QKeyEvent* event) {
    if (returnEndsEditing_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        clearFocus();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool KQTextView::isShowingPlaceholder() const {
    return toPlainText() == placeholder_ && currentColor() == placeholderColor_;
}

void KQTextView::setPlaceholder(const QString& placeholder) {
    if (isShowingPlaceholder() && !editing_) {
        display(placeholder, placeholderColor_);
    }
    placeholder_ = placeholder;
    setAccessibleName(placeholder);
    if (toPlainText().isEmpty()) {
        display(placeholder_, placeholderColor_);
    }
}

void KQTextView::setPlaceholderColor(const QColor& color) {
    const bool showing = isShowingPlaceholder();
    placeholderColor_ = color;
    if (showing) {
        applyColor(color);
    }
}

QString KQTextView::text() const {
    const QString held = toPlainText();
    return held == placeholder_ ? QString() : held;
}

void KQTextView::setText(const QString& text) {
    if (!text.isEmpty() || editing_) {
        display(text, realTextColor_);
    } else {
        display(placeholder_, placeholderColor_);
    }
}

void KQTextView::setTextColor(const QColor& color) {
    const bool showing = isShowingPlaceholder();
    realTextColor_ = color;
    if (!showing || color == placeholderColor_) {
        applyColor(color);
    }
}

void KQTextView::focusInEvent(QFocusEvent* event) {
    if (isShowingPlaceholder()) {
        display(QString(), realTextColor_);
    }
    editing_ = true;
    QPlainTextEdit::focusInEvent(event);
}

void KQTextView::focusOutEvent(QFocusEvent* event) {
    editing_ = false;
    if (toPlainText().isEmpty()) {
        display(placeholder_, placeholderColor_);
    }
    QPlainTextEdit::focusOutEvent(event);
}

void KQTextView::display(const QString& text, const QColor& color) {
    applyColor(color);
    if (toPlainText() != text) {
        setPlainText(text);
    }
}

void KQTextView::applyColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

QColor KQTextView::currentColor() const {
    return palette().color(QPalette::Text);
}
