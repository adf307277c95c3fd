#include "platform/Keyboard.h"

#include "platform/PhoneWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool takesText(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}
} // namespace

Keyboard* Keyboard::instance() {
    static Keyboard* keyboard = new Keyboard(qApp);
    return keyboard;
}

Keyboard::Keyboard(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

QRect Keyboard::frame() const {
    return frameIn(window_ ? window_ : PhoneWindow::current(), risen_);
}

QRect Keyboard::frameIn(const QWidget* window, bool up) const {
    const QSize size = window ? window->size() : PhoneWindow::defaultSize;
    return QRect(0, up ? size.height() - height : size.height(), size.width(), height);
}

void Keyboard::focusChanged(QWidget* now) {
    const bool wantsKeyboard = now && takesText(now) && qobject_cast<PhoneWindow*>(now->window());
    if (wantsKeyboard == risen_) {
        return;
    }
    if (wantsKeyboard) {
        window_ = now->window();
    }
    risen_ = wantsKeyboard;
    emit willChangeFrame(frame());
    if (risen_) {
        emit risen();
    } else {
        emit fallen();
    }
}
