#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;

// A small line chart: up to a few series of straight 1-point lines over a y scale from 0 to S
// with five hairline grid lines, and a strip of three dates under the plot. It draws no fill,
// smoothing, markers or legend and lets every touch through to what lies below, so a page
// holding it can still be swiped. The axis and date texts are labels, so assistive technology
// reads them.
//
// Point i of a series of n values lies at the centre of the i-th of n equal slots across the
// plot; a value v lies at height v / S of the plot. A series of one value is a dot; negative
// values are drawn at 0.
class LineChart : public QWidget {
    Q_OBJECT
public:
    explicit LineChart(QWidget* parent = nullptr);

    // The y labels stand in the strip left of the plot; the dates in the strip under it.
    static constexpr int kAxisWidth = 30;
    static constexpr int kDateStripHeight = 20;
    static constexpr int kGridLines = 5;

    // The top of the y scale for the largest value: the smallest multiple of 4 that is at
    // least 4 and at least the value rounded up, so that the labels S × i / 4 are whole
    // numbers that sit exactly on their grid lines and no point lies above the scale.
    static qint64 scaleFor(double largest);

    // Adds a series drawn in its colour over the ones added before; the scale follows the
    // largest value of all series.
    void addSeries(const QList<double>& values, const QColor& colour);
    void clear();
    int seriesCount() const { return int(series_.size()); }
    QList<double> values(int series) const;
    QColor colour(int series) const;
    qint64 yScale() const { return scale_; }

    // Three titles under the plot: the first at its left, the second centred, the third at its
    // right. Fewer titles leave the remaining labels empty.
    void setBottomTitles(const QStringList& titles);

    // Bottom to top: the labels of 0, S/4, S/2, 3S/4 and S.
    const QList<QLabel*>& yLabels() const { return yLabels_; }
    const QList<QLabel*>& bottomLabels() const { return bottomLabels_; }
    // The colour of every label, and of the grid lines.
    void setTextColour(const QColor& colour);
    void setGridColour(const QColor& colour);

    QRectF plotRect() const;
    // Where point `index` of a series of `count` values with this value is drawn.
    QPointF pointAt(int index, int count, double value) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Series {
        QList<double> values;
        QColor colour;
    };

    void updateScale();
    void placeLabels();
    double gridY(int line) const;

    QList<Series> series_;
    qint64 scale_ = 4;
    QColor gridColour_{Qt::lightGray};
    QList<QLabel*> yLabels_;
    QList<QLabel*> bottomLabels_;
};
