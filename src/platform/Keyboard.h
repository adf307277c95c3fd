#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

// The on-screen keyboard's stand-in on the desktop: it rises when a text field or text view
// inside the phone window takes the focus and falls when none has it. Frames are in the
// phone window's coordinates; a fallen keyboard lies just below the window. Focus, and so the
// keyboard, only moves while the phone window is the active window.
class Keyboard : public QObject {
    Q_OBJECT
public:
    static constexpr int height = 216;

    static Keyboard* instance();
    bool isRisen() const { return risen_; }
    QRect frame() const;

signals:
    void willChangeFrame(const QRect& frame);
    void risen();
    void fallen();

private:
    explicit Keyboard(QObject* parent);
    void focusChanged(QWidget* now);
    QRect frameIn(const QWidget* window, bool up) const;

    bool risen_ = false;
    QPointer<QWidget> window_;
};
