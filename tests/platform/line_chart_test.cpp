#include "Printers.h"
#include "platform/LineChart.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QStringList labelTexts(const QList<QLabel*>& labels) {
    QStringList texts;
    for (const QLabel* label : labels) {
        texts << label->text();
    }
    return texts;
}

// A chart on a white card, as the statistics pages show it.
struct Card {
    Card() : chart(new LineChart(&card)) {
        card.setAutoFillBackground(true);
        QPalette p = card.palette();
        p.setColor(QPalette::Window, Qt::white);
        card.setPalette(p);
        card.resize(300, 200);
        chart->setGeometry(0, 0, 300, 200);
        card.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&card));
    }
    QImage picture() { return card.grab().toImage(); }
    // Whether a pixel within `reach` of the point has the colour.
    static bool near(const QImage& image, QPointF point, const QColor& colour, int reach = 1) {
        for (int dx = -reach; dx <= reach; ++dx) {
            for (int dy = -reach; dy <= reach; ++dy) {
                const QPoint p = point.toPoint() + QPoint(dx, dy);
                if (image.rect().contains(p) && closeTo(image.pixelColor(p), colour)) {
                    return true;
                }
            }
        }
        return false;
    }
    static bool closeTo(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) < 90 && std::abs(a.green() - b.green()) < 90 &&
               std::abs(a.blue() - b.blue()) < 90;
    }
    static int countOf(const QImage& image, const QColor& colour, int fromY = 0) {
        int count = 0;
        for (int y = fromY; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += closeTo(image.pixelColor(x, y), colour) ? 1 : 0;
            }
        }
        return count;
    }
    QWidget card;
    LineChart* chart;
};

TEST(LineChart, TheScaleIsTheSmallestMultipleOfFourThatHoldsTheLargestValue) {
    struct Case {
        double largest;
        QStringList labels;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {0, {"0", "1", "2", "3", "4"}},
        {3, {"0", "1", "2", "3", "4"}},
        {4, {"0", "1", "2", "3", "4"}},
        {4.01, {"0", "2", "4", "6", "8"}},
        {5, {"0", "2", "4", "6", "8"}},
        {9, {"0", "3", "6", "9", "12"}},
        {12, {"0", "3", "6", "9", "12"}},
        {12.7, {"0", "4", "8", "12", "16"}},
        {40, {"0", "10", "20", "30", "40"}},
        {41, {"0", "11", "22", "33", "44"}},
        {-7, {"0", "1", "2", "3", "4"}},
        {nan, {"0", "1", "2", "3", "4"}},
        {1e300,
         {"0", "1000000000000000", "2000000000000000", "3000000000000000", "4000000000000000"}},
    };
    for (const Case& c : cases) {
        LineChart chart;
        chart.resize(300, 200);
        chart.addSeries({0, c.largest}, kRed);
        EXPECT_EQ(labelTexts(chart.yLabels()), c.labels) << c.largest;
        EXPECT_EQ(chart.yScale(), c.labels.last().toLongLong()) << c.largest;
    }
}

TEST(LineChart, TheScaleFollowsTheLargestValueOfEverySeries) {
    LineChart chart;
    chart.addSeries({9, 4, 2}, kRed);
    chart.addSeries({1, 10, 0}, kBlue);
    EXPECT_EQ(chart.yScale(), 12);
    chart.clear();
    EXPECT_EQ(chart.yScale(), 4);
    EXPECT_EQ(chart.seriesCount(), 0);
}

TEST(LineChart, EveryYLabelSitsOnItsGridLineAndTheDatesSpanTheStrip) {
    Card shown;
    shown.chart->addSeries({3, 9}, kRed);
    shown.chart->setBottomTitles({"05-12", "05-15", "05-18"});
    const QRectF plot = shown.chart->plotRect();
    for (int i = 0; i < LineChart::kGridLines; ++i) {
        const QLabel* label = shown.chart->yLabels().at(i);
        const double value = label->text().toDouble();
        EXPECT_EQ(value, 3.0 * i);
        const double lineY = shown.chart->pointAt(0, 1, value).y();
        EXPECT_NEAR(label->geometry().center().y() + 0.5, lineY, 1.0) << i;
        EXPECT_LE(label->geometry().right(), plot.left());
    }
    EXPECT_DOUBLE_EQ(shown.chart->pointAt(0, 1, 0).y(), plot.bottom());
    EXPECT_DOUBLE_EQ(shown.chart->pointAt(0, 1, 12).y(), plot.top());

    EXPECT_EQ(labelTexts(shown.chart->bottomLabels()), (QStringList{"05-12", "05-15", "05-18"}));
    const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        const QLabel* date = shown.chart->bottomLabels().at(i);
        EXPECT_EQ(date->geometry(), QRect(30, 180, 270, 20));
        EXPECT_TRUE(date->alignment() & horizontal[i]);
    }
}

TEST(LineChart, PointsSitAtTheCentresOfEqualSlots) {
    Card shown;
    const QRectF plot = shown.chart->plotRect();
    const double slot = plot.width() / 7;
    for (int i = 0; i < 7; ++i) {
        EXPECT_DOUBLE_EQ(shown.chart->pointAt(i, 7, 0).x(), plot.left() + slot * (i + 0.5));
    }
}

TEST(LineChart, AOneDaySeriesIsADotAndNothingIsDrawnWithoutValues) {
    Card shown;
    EXPECT_EQ(Card::countOf(shown.picture(), kRed), 0);
    shown.chart->addSeries({2}, kRed);
    const QImage image = shown.picture();
    EXPECT_TRUE(Card::near(image, shown.chart->pointAt(0, 1, 2), kRed));
    EXPECT_GT(Card::countOf(image, kRed), 0);
    EXPECT_LT(Card::countOf(image, kRed), 20) << "a dot, not a line";
}

TEST(LineChart, NegativeValuesAreDrawnAtZeroAndNothingFallsBelowThePlot) {
    Card shown;
    shown.chart->addSeries({-5, 4, -1}, kBlue);
    const QImage image = shown.picture();
    EXPECT_EQ(shown.chart->yScale(), 4);
    EXPECT_TRUE(Card::near(image, shown.chart->pointAt(0, 3, 0), kBlue));
    EXPECT_TRUE(Card::near(image, shown.chart->pointAt(1, 3, 4), kBlue));
    EXPECT_TRUE(Card::near(image, shown.chart->pointAt(2, 3, 0), kBlue));
    const int belowPlot = int(std::ceil(shown.chart->plotRect().bottom())) + 2;
    EXPECT_EQ(Card::countOf(image, kBlue, belowPlot), 0);
}

TEST(LineChart, TouchesPassThroughToWhatLiesBelow) {
    QWidget page;
    page.resize(300, 200);
    auto* below = new QPushButton(&page);
    below->setGeometry(0, 0, 300, 200);
    auto* chart = new LineChart(&page);
    chart->setGeometry(0, 0, 300, 200);
    chart->addSeries({1, 2, 3}, kRed);
    chart->setBottomTitles({"05-12", "05-15", "05-18"});
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    // The plot, a y label and a date: each touch finds the widget below the chart.
    for (const QPoint& at : {QPoint(150, 100), QPoint(10, 90), QPoint(150, 190)}) {
        EXPECT_EQ(page.childAt(at), below) << at.x() << "," << at.y();
    }
}

} // namespace
