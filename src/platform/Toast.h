#pragma once

#include <QString>
#include <QStringList>

// Error, success and plain message toasts over the phone window, each gone after one second.
// Without a window the texts are still recorded for their second.
class Toast {
public:
    enum class Kind { Error, Success, Message };
    static constexpr int durationMs = 1000;

    static void show(Kind kind, const QString& text);
    static void showError(const QString& text) { show(Kind::Error, text); }
    static void showSuccess(const QString& text) { show(Kind::Success, text); }
    static void showMessage(const QString& text) { show(Kind::Message, text); }

    // For tests and assistive technology: the toasts currently on screen, oldest first.
    static QStringList visibleTexts();
};
