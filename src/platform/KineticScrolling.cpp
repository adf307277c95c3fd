#include "platform/KineticScrolling.h"

#include <QScroller>
#include <QScrollerProperties>
#include <QWidget>

QScroller* KineticScrolling::enable(QWidget* viewport, Qt::Orientation orientation, Edges edges) {
    QScroller::grabGesture(viewport, QScroller::LeftMouseButtonGesture);
    QScroller* scroller = QScroller::scroller(viewport);

    QScrollerProperties properties = scroller->scrollerProperties();
    const QVariant off = QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff);
    const QVariant bounce = QVariant::fromValue(edges == Edges::AlwaysBounce
                                                    ? QScrollerProperties::OvershootAlwaysOn
                                                    : QScrollerProperties::OvershootWhenScrollable);
    const bool vertical = orientation == Qt::Vertical;
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                               vertical ? bounce : off);
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               vertical ? off : bounce);
    // A pull past the edge must be able to travel far enough to reveal a refresh header.
    properties.setScrollMetric(QScrollerProperties::OvershootDragResistanceFactor, 0.5);
    properties.setScrollMetric(QScrollerProperties::OvershootDragDistanceFactor, 0.35);
    properties.setScrollMetric(QScrollerProperties::OvershootScrollDistanceFactor, 0.1);
    properties.setScrollMetric(QScrollerProperties::OvershootScrollTime, 0.3);
    properties.setScrollMetric(QScrollerProperties::DecelerationFactor, 0.2);
    properties.setScrollMetric(QScrollerProperties::FrameRate,
                               QVariant::fromValue(QScrollerProperties::Fps60));
    scroller->setScrollerProperties(properties);
    return scroller;
}
