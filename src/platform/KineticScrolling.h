#pragma once

#include <Qt>

class QScroller;
class QWidget;

// Phone-like scrolling for a scroll area's viewport: the content follows a mouse
// drag, keeps moving after a flick and springs back when pulled past an edge.
class KineticScrolling {
public:
    enum class Edges { BounceWhenScrollable, AlwaysBounce };

    static QScroller* enable(QWidget* viewport, Qt::Orientation orientation, Edges edges);
};
