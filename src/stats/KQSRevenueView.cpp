#include "stats/KQSRevenueView.h"

#include "platform/LineChart.h"
#include "stats/StatsLook.h"
#include "ui/PlainLabel.h"
#include "ui/Style.h"

#include <QLabel>

namespace {
constexpr int kCaptionTop = 40;
constexpr int kCaptionHeight = 12;
constexpr int kAmountGap = 15;
constexpr int kAmountHeight = 50;
} // namespace

KQSRevenueView::KQSRevenueView(QWidget* parent)
    : KQSDataBeasView({QStringLiteral("最近七天统计"), QStringLiteral("最近三十天统计"),
                       QStringLiteral("最近一百八十天统计")},
                      {QStringLiteral("最近七天营收数据统计"),
                       QStringLiteral("最近三十天营收数据统计"),
                       QStringLiteral("最近一百八十天营收数据统计")},
                      kTotalsHeight, parent),
      captionLabel_(makePlainLabel(totalsCard(), QStringLiteral("amountCaption"), 12,
                                   Style::selectedRed(), Qt::AlignCenter)),
      amountLabel_(makePlainLabel(totalsCard(), QStringLiteral("amountLabel"), 50,
                                  Style::selectedRed(), Qt::AlignCenter)) {
    setObjectName(QStringLiteral("KQSRevenueView"));
    captionLabel_->setText(QStringLiteral("销售总额(美元)"));
}

KQRequest* KQSRevenueView::sendRequest(const KQProject& bag, ReplyBlock block) {
    return KQHttpClientList::getStatRevenueListWithProject(bag, std::move(block));
}

void KQSRevenueView::showReply(const QJsonObject& reply) {
    setModel(readSummary<KQSRevenueModel>(reply));
}

void KQSRevenueView::setModel(const KQSRevenueModel& model) {
    model_ = model;
    amountLabel_->setText(QString::asprintf("%.2f", model.amount));
    QList<qint64> days;
    QList<double> amounts;
    for (const KQSRevenueStatVO_dayModel& day : model.day_list) {
        days << day.postdate;
        amounts << day.amount;
    }
    if (LineChart* chart = createChartView(days)) {
        chart->addSeries(amounts, Style::selectedRed());
    }
}

void KQSRevenueView::clearTotals() {
    model_.reset();
    amountLabel_->clear();
}

void KQSRevenueView::layoutTotals() {
    const int width = totalsCard()->width();
    StatsLook::placeCaption(captionLabel_, 0, kCaptionTop, width);
    amountLabel_->setGeometry(0, kCaptionTop + kCaptionHeight + kAmountGap, width, kAmountHeight);
}
