#include "platform/KineticScrollView.h"

#include "platform/KineticScrolling.h"

KineticScrollView::KineticScrollView(QWidget* parent)
    : QScrollArea(parent), scroller_(KineticScrolling::enable(
                               viewport(), Qt::Vertical, KineticScrolling::Edges::AlwaysBounce)) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
}
