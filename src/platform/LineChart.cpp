#include "platform/LineChart.h"

#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

// Room above the top grid line and below the bottom one for half a y label.
constexpr int kTopInset = 7;
constexpr int kBottomInset = 7;
constexpr int kYLabelHeight = 12;
constexpr int kYLabelGap = 5;
constexpr int kYLabelPixels = 10;
constexpr int kDatePixels = 12;
constexpr qreal kDotRadius = 1.5;
// Past this a double no longer holds every whole number; no chart of counts or dollars gets
// near it, and the scale stays an exact integer.
constexpr double kLargestScale = 4.0e15;

double drawable(double value) {
    return std::isfinite(value) && value > 0 ? value : 0.0;
}

QLabel* makeLabel(QWidget* parent, int pixels, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

LineChart::LineChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < kGridLines; ++i) {
        QLabel* label = makeLabel(this, kYLabelPixels, Qt::AlignRight | Qt::AlignVCenter);
        label->setObjectName(QStringLiteral("yLabel%1").arg(i));
        yLabels_.append(label);
    }
    const Qt::Alignment dateAlignments[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
                                            Qt::AlignRight | Qt::AlignVCenter};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = makeLabel(this, kDatePixels, dateAlignments[i]);
        label->setObjectName(QStringLiteral("dateLabel%1").arg(i));
        bottomLabels_.append(label);
    }
    setTextColour(Qt::gray);
    updateScale();
}

qint64 LineChart::scaleFor(double largest) {
    const double top = std::min(std::max(4.0, std::ceil(drawable(largest))), kLargestScale);
    return qint64(std::ceil(top / 4.0)) * 4;
}

void LineChart::addSeries(const QList<double>& values, const QColor& colour) {
    series_.append({values, colour});
    updateScale();
    update();
}

void LineChart::clear() {
    series_.clear();
    updateScale();
    update();
}

QList<double> LineChart::values(int series) const {
    return series >= 0 && series < series_.size() ? series_[series].values : QList<double>();
}

QColor LineChart::colour(int series) const {
    return series >= 0 && series < series_.size() ? series_[series].colour : QColor();
}

void LineChart::setBottomTitles(const QStringList& titles) {
    for (int i = 0; i < bottomLabels_.size(); ++i) {
        bottomLabels_[i]->setText(titles.value(i));
    }
}

void LineChart::setTextColour(const QColor& colour) {
    for (QLabel* label : yLabels_ + bottomLabels_) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, colour);
        label->setPalette(p);
    }
}

void LineChart::setGridColour(const QColor& colour) {
    gridColour_ = colour;
    update();
}

QRectF LineChart::plotRect() const {
    const qreal bottom = height() - kDateStripHeight - kBottomInset;
    return QRectF(kAxisWidth, kTopInset, std::max(0, width() - kAxisWidth),
                  std::max(0.0, bottom - kTopInset));
}

QPointF LineChart::pointAt(int index, int count, double value) const {
    const QRectF plot = plotRect();
    const qreal x = plot.left() + plot.width() * (index + 0.5) / std::max(1, count);
    const qreal y = plot.bottom() - plot.height() * drawable(value) / double(scale_);
    return QPointF(x, y);
}

double LineChart::gridY(int line) const {
    const QRectF plot = plotRect();
    return plot.bottom() - plot.height() * line / (kGridLines - 1);
}

void LineChart::updateScale() {
    double largest = 0;
    for (const Series& s : series_) {
        for (double v : s.values) {
            largest = std::max(largest, drawable(v));
        }
    }
    scale_ = scaleFor(largest);
    for (int i = 0; i < yLabels_.size(); ++i) {
        yLabels_[i]->setText(QString::number(scale_ / (kGridLines - 1) * i));
    }
}

void LineChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeLabels();
}

void LineChart::placeLabels() {
    for (int i = 0; i < yLabels_.size(); ++i) {
        const int centre = qRound(gridY(i));
        yLabels_[i]->setGeometry(0, centre - kYLabelHeight / 2, kAxisWidth - kYLabelGap,
                                 kYLabelHeight);
    }
    const QRect strip(kAxisWidth, height() - kDateStripHeight, std::max(0, width() - kAxisWidth),
                      kDateStripHeight);
    for (QLabel* label : bottomLabels_) {
        label->setGeometry(strip);
    }
}

void LineChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF plot = plotRect();
    painter.setPen(QPen(gridColour_, 0));
    for (int i = 0; i < kGridLines; ++i) {
        const qreal y = gridY(i);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Series& s : series_) {
        const int count = int(s.values.size());
        if (count == 1) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(s.colour);
            painter.drawEllipse(pointAt(0, 1, s.values.first()), kDotRadius, kDotRadius);
            continue;
        }
        QPolygonF line;
        for (int i = 0; i < count; ++i) {
            line.append(pointAt(i, count, s.values[i]));
        }
        painter.setPen(QPen(s.colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
    }
}
