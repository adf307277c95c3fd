#pragma once

#include <QStringList>

class LineChart;
class QScrollArea;
class QWidget;

// Builds the pieces the three statistics pages share.
class KQSDataStatToll {
public:
    // A chart in the card, under topView, with the three dates under its plot.
    static LineChart* chartViewWithSuperView(QWidget* superView, QWidget* topView,
                                             const QStringList& bottomTitles);
    // Where a chart lies in its card: 35 points below topView, 18 points in from both sides
    // and 35 points above the card's bottom edge.
    static void placeChart(LineChart* chart, const QWidget* superView, const QWidget* topView);
    // A vertical scroll area over the whole view, without a scroll indicator.
    static QScrollArea* scrollViewSuperView(QWidget* superView);
};
