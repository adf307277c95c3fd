#include "stats/KQSDataStatToll.h"

#include "platform/KineticScrolling.h"
#include "platform/LineChart.h"
#include "ui/Style.h"

#include <QScrollArea>

namespace {
constexpr int kChartGap = 35;
constexpr int kChartInset = 18;
} // namespace

LineChart* KQSDataStatToll::chartViewWithSuperView(QWidget* superView, QWidget* topView,
                                                   const QStringList& bottomTitles) {
    auto* chart = new LineChart(superView);
    chart->setObjectName(QStringLiteral("chartView"));
    chart->setTextColour(Style::greyText());
    chart->setGridColour(Style::hairline());
    chart->setBottomTitles(bottomTitles);
    placeChart(chart, superView, topView);
    chart->show();
    return chart;
}

void KQSDataStatToll::placeChart(LineChart* chart, const QWidget* superView,
                                 const QWidget* topView) {
    const int top = topView->geometry().bottom() + 1 + kChartGap;
    chart->setGeometry(kChartInset, top, std::max(0, superView->width() - 2 * kChartInset),
                       std::max(0, superView->height() - kChartGap - top));
}

QScrollArea* KQSDataStatToll::scrollViewSuperView(QWidget* superView) {
    auto* scroll = new QScrollArea(superView);
    scroll->setObjectName(QStringLiteral("scrollView"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(false);
    scroll->viewport()->setAutoFillBackground(false);
    KineticScrolling::enable(scroll->viewport(), Qt::Vertical,
                             KineticScrolling::Edges::AlwaysBounce);
    scroll->setGeometry(superView->rect());
    return scroll;
}
