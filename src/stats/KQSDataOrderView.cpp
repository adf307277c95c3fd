#include "stats/KQSDataOrderView.h"

#include "platform/LineChart.h"
#include "stats/StatsLook.h"
#include "ui/PlainLabel.h"

#include <QLabel>

namespace {
constexpr int kCaptionTop = 32;
constexpr int kCaptionHeight = 12;
constexpr int kTotalGap = 10;
constexpr int kTotalHeight = 19;

struct Column {
    const char* name;
    const char* caption;
    QColor colour;
};

QList<Column> columns() {
    return {{"placed", "下单订单", StatsLook::red()},
            {"completed", "成交订单", StatsLook::green()},
            {"shipped", "发货订单", StatsLook::blue()}};
}
} // namespace

KQSDataOrderView::KQSDataOrderView(QWidget* parent)
    : KQSDataBeasView({QStringLiteral("最近七天统计"), QStringLiteral("最近三十天统计"),
                       QStringLiteral("最近一百八十天统计")},
                      {QStringLiteral("最近七天订单数据统计"),
                       QStringLiteral("最近三十天订单数据统计"),
                       QStringLiteral("最近一百八十天数据统计")},
                      kTotalsHeight, parent) {
    setObjectName(QStringLiteral("KQSDataOrderView"));
    for (const Column& column : columns()) {
        const QString name = QString::fromLatin1(column.name);
        QLabel* caption = makePlainLabel(totalsCard(), name + QStringLiteral("Caption"), 12,
                                         column.colour, Qt::AlignCenter);
        caption->setText(QString::fromUtf8(column.caption));
        captions_ << caption;
        totals_ << makePlainLabel(totalsCard(), name + QStringLiteral("Label"), 19, column.colour,
                                  Qt::AlignCenter);
    }
}

KQRequest* KQSDataOrderView::sendRequest(const KQProject& bag, ReplyBlock block) {
    return KQHttpClientList::getStatOrderListWithProject(bag, std::move(block));
}

void KQSDataOrderView::showReply(const QJsonObject& reply) {
    setModel(readSummary<KQSOrderStatisticsModel>(reply));
}

void KQSDataOrderView::setModel(const KQSOrderStatisticsModel& model) {
    model_ = model;
    totals_[0]->setText(QString::number(model.total_order_count));
    totals_[1]->setText(QString::number(model.trade_order_count));
    totals_[2]->setText(QString::number(model.send_order_count));
    QList<qint64> days;
    QList<double> placed;
    QList<double> completed;
    QList<double> shipped;
    for (const KQSStatOrderDayModel& day : model.day_list) {
        days << day.postdate;
        placed << double(day.total_order_count);
        completed << double(day.trade_order_count);
        shipped << double(day.send_order_count);
    }
    if (LineChart* chart = createChartView(days)) {
        const QList<Column> all = columns();
        chart->addSeries(placed, all[0].colour);
        chart->addSeries(completed, all[1].colour);
        chart->addSeries(shipped, all[2].colour);
    }
}

void KQSDataOrderView::clearTotals() {
    model_.reset();
    for (QLabel* total : totals_) {
        total->clear();
    }
}

void KQSDataOrderView::layoutTotals() {
    const int width = totalsCard()->width();
    for (int i = 0; i < totals_.size(); ++i) {
        const int x = width * i / 3;
        const int w = width * (i + 1) / 3 - x;
        StatsLook::placeCaption(captions_[i], x, kCaptionTop, w);
        totals_[i]->setGeometry(x, kCaptionTop + kCaptionHeight + kTotalGap, w, kTotalHeight);
    }
}
