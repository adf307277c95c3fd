#pragma once

#include <QScrollArea>

class QScroller;

// A vertically scrolling page of a screen: no frame and no scroll bars, the content follows the
// finger, keeps moving after a flick and always bounces at its ends. The content widget keeps the
// size the screen gives it (setWidget, then resize it as its layout grows).
class KineticScrollView : public QScrollArea {
    Q_OBJECT
public:
    explicit KineticScrollView(QWidget* parent = nullptr);

    QScroller* scroller() const { return scroller_; }

private:
    QScroller* scroller_;
};
