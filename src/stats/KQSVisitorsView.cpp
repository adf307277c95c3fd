#include "stats/KQSVisitorsView.h"

#include "platform/LineChart.h"
#include "stats/StatsLook.h"
#include "ui/PlainLabel.h"
#include "ui/Style.h"

#include <QLabel>

namespace {
constexpr int kTotalTop = 35;
constexpr int kTotalHeight = 35;
constexpr int kCaptionGap = 14;
constexpr int kDividerHeight = 32;
constexpr double kDividerMiddle = 63.5;
} // namespace

KQSVisitorsView::KQSVisitorsView(QWidget* parent)
    : KQSDataBeasView({QStringLiteral("最近七天统计"), QStringLiteral("最近三十天统计"),
                       QStringLiteral("最近一百八十天统计")},
                      {QStringLiteral("最近七天访客数据统计"),
                       QStringLiteral("最近三十天访客数据统计"),
                       QStringLiteral("最近一百八十天访客数据统计")},
                      kTotalsHeight, parent),
      visitorsLabel_(makePlainLabel(totalsCard(), QStringLiteral("visitorsLabel"), 35,
                                    StatsLook::red(), Qt::AlignCenter)),
      visitorsCaption_(makePlainLabel(totalsCard(), QStringLiteral("visitorsCaption"), 12,
                                      StatsLook::red(), Qt::AlignCenter)),
      pageviewLabel_(makePlainLabel(totalsCard(), QStringLiteral("pageviewLabel"), 35,
                                    StatsLook::green(), Qt::AlignCenter)),
      pageviewCaption_(makePlainLabel(totalsCard(), QStringLiteral("pageviewCaption"), 12,
                                      StatsLook::green(), Qt::AlignCenter)),
      divider_(StatsLook::block(totalsCard(), Style::hairline())) {
    setObjectName(QStringLiteral("KQSVisitorsView"));
    visitorsCaption_->setText(QStringLiteral("访客人数"));
    pageviewCaption_->setText(QStringLiteral("浏览次数"));
}

KQRequest* KQSVisitorsView::sendRequest(const KQProject& bag, ReplyBlock block) {
    return KQHttpClientList::getStatPageviewListWithProject(bag, std::move(block));
}

void KQSVisitorsView::showReply(const QJsonObject& reply) {
    setModel(readSummary<KQSVisitorsModel>(reply));
}

void KQSVisitorsView::setModel(const KQSVisitorsModel& model) {
    model_ = model;
    visitorsLabel_->setText(QString::number(model.user_count));
    pageviewLabel_->setText(QString::number(model.pageview));
    QList<qint64> days;
    QList<double> visitors;
    QList<double> pageviews;
    for (const KQSVisitors_DayModel& day : model.day_list) {
        days << day.postdate;
        visitors << double(day.user_count);
        pageviews << double(day.pageview);
    }
    if (LineChart* chart = createChartView(days)) {
        chart->addSeries(visitors, StatsLook::red());
        chart->addSeries(pageviews, StatsLook::green());
    }
}

void KQSVisitorsView::clearTotals() {
    model_.reset();
    visitorsLabel_->clear();
    pageviewLabel_->clear();
}

void KQSVisitorsView::layoutTotals() {
    const int half = totalsCard()->width() / 2;
    const int captionTop = kTotalTop + kTotalHeight + kCaptionGap;
    visitorsLabel_->setGeometry(0, kTotalTop, half, kTotalHeight);
    pageviewLabel_->setGeometry(half, kTotalTop, totalsCard()->width() - half, kTotalHeight);
    StatsLook::placeCaption(visitorsCaption_, 0, captionTop, half);
    StatsLook::placeCaption(pageviewCaption_, half, captionTop, totalsCard()->width() - half);
    divider_->setGeometry(half, qRound(kDividerMiddle - kDividerHeight / 2.0), 1, kDividerHeight);
}
