#include "stats/KQSDataBeasView.h"

#include "platform/LineChart.h"
#include "stats/KQSDataStatToll.h"
#include "stats/StatsLook.h"
#include "stats/StatsPeriod.h"
#include "ui/PlainLabel.h"
#include "ui/Style.h"
#include "ui/Timestamp_Time.h"

#include <QLabel>
#include <QScrollArea>

namespace {

constexpr int kTextLeft = 21;
constexpr int kTitleTop = 25;
constexpr int kTextWidth = 200;
constexpr int kTitleHeight = 18;
constexpr int kSubtitleGap = 8;
constexpr int kSubtitleHeight = 15;

QWidget* whiteCard(QWidget* parent, const QString& name) {
    QWidget* card = StatsLook::block(parent, Qt::white);
    card->setObjectName(name);
    return card;
}

} // namespace

KQSDataBeasView::KQSDataBeasView(const QStringList& titles, const QStringList& deTitles,
                                 int totalsHeight, QWidget* parent)
    : QWidget(parent), titles_(titles), deTitles_(deTitles), totalsHeight_(totalsHeight),
      scrollView_(KQSDataStatToll::scrollViewSuperView(this)), content_(new QWidget),
      chartCard_(whiteCard(content_, QStringLiteral("chartCard"))),
      totalsCard_(whiteCard(content_, QStringLiteral("totalsCard"))),
      titleLabel_(makePlainLabel(chartCard_, QStringLiteral("titleLabel"), 15, Style::darkText())),
      subtitleLabel_(
          makePlainLabel(chartCard_, QStringLiteral("subtitleLabel"), 12, Style::greyText())) {
    content_->setObjectName(QStringLiteral("content"));
    scrollView_->setWidget(content_);
    titleLabel_->setGeometry(kTextLeft, kTitleTop, kTextWidth, kTitleHeight);
    subtitleLabel_->setGeometry(kTextLeft, kTitleTop + kTitleHeight + kSubtitleGap, kTextWidth,
                                kSubtitleHeight);
}

void KQSDataBeasView::setPage(int page) {
    page_ = page;
    titleLabel_->setText(titles_.value(page));
    subtitleLabel_->setText(deTitles_.value(page));
    createData(page);
}

void KQSDataBeasView::createData(int page) {
    KQProject& bag = KQProject::project();
    bag.start_time = StatsPeriod::startTime(page);
    bag.end_time = StatsPeriod::endTime();
    bag.source = QString();
    const quint64 serial = ++requested_;
    KQRequest* request = sendRequest(bag, onReply([this, page, serial](const QJsonObject& reply) {
                                         if (page != page_ || serial < shownRequest_) {
                                             return;
                                         }
                                         shownRequest_ = serial;
                                         figuresPage_ = page;
                                         showReply(reply);
                                     }));
    request->guardedBy(this);
    // Runs after the reply callback, whatever the outcome.
    connect(request, &KQRequest::finished, this, [this, page] {
        if (page == page_ && figuresPage_ != page_) {
            clearFigures();
        }
    });
}

void KQSDataBeasView::clearFigures() {
    figuresPage_ = -1;
    clearTotals();
    removeChart();
}

LineChart* KQSDataBeasView::createChartView(const QList<qint64>& postdates) {
    removeChart();
    if (postdates.isEmpty()) {
        return nullptr;
    }
    const qsizetype middle = (postdates.size() - 1) / 2;
    QStringList dates;
    for (qint64 day : {postdates.first(), postdates.at(middle), postdates.last()}) {
        dates << Timestamp_Time::mmDdTimeWithTimestamp(double(day));
    }
    chartView_ = KQSDataStatToll::chartViewWithSuperView(chartCard_, subtitleLabel_, dates);
    return chartView_;
}

void KQSDataBeasView::removeChart() {
    delete chartView_;
    chartView_ = nullptr;
}

void KQSDataBeasView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutCards();
}

void KQSDataBeasView::layoutCards() {
    scrollView_->setGeometry(rect());
    const int top = kChartCardHeight + kCardGap;
    chartCard_->setGeometry(0, 0, width(), kChartCardHeight);
    totalsCard_->setGeometry(0, top, width(), totalsHeight_);
    content_->resize(width(), top + totalsHeight_);
    if (chartView_) {
        KQSDataStatToll::placeChart(chartView_, chartCard_, subtitleLabel_);
    }
    layoutTotals();
}
