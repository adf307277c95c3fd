#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "app/TabBarButton.h"
#include "platform/LineChart.h"
#include "platform/PagingScrollView.h"
#include "stats/KQSDataBottomBar.h"
#include "stats/KQSDataOrderView.h"
#include "stats/KQSDataStatisticsVC.h"
#include "stats/KQSRevenueView.h"
#include "stats/KQSVisitorsView.h"
#include "stats/StatsPeriod.h"
#include "support/E2EFixture.h"
#include "ui/KQSBottumsView.h"

#include <QLabel>

namespace {

// The demo owner reading the statistics screen.
class StatsE2E : public E2EFixture {
protected:
    void SetUp() override {
        E2EFixture::SetUp();
        launch();
        signIn();
        ASSERT_NE(tabs(), nullptr);
        stack = qobject_cast<KQSNavigtionVC*>(tabs()->currentStack());
        ASSERT_NE(stack, nullptr);
        screen = new KQSDataStatisticsVC;
        stack->pushViewController(screen, true);
        stack->finishTransition();
        EXPECT_TRUE(settle());
    }

    // What the service answers for the period, asked as the screen asks.
    static QJsonObject
    serviceFigures(const std::function<KQRequest*(const KQProject&, ReplyBlock)>& send,
                   int period) {
        KQProject& bag = KQProject::project();
        bag.start_time = StatsPeriod::startTime(period);
        bag.end_time = StatsPeriod::endTime();
        bag.source = QString();
        QJsonObject data;
        send(bag, [&data](const QJsonObject* reply, const ServiceError*) {
            if (reply) {
                data = reply->value("data").toObject();
            }
        });
        EXPECT_TRUE(settle());
        return data;
    }
    void choosePeriod(int period) {
        screen->topBar()->btns().at(period)->click();
        EXPECT_TRUE(settle());
    }
    void chooseKind(int kind) {
        screen->bottomBar()->btns().at(kind)->click();
        EXPECT_TRUE(settle());
    }
    static QStringList texts(const QList<QLabel*>& labels) {
        QStringList all;
        for (const QLabel* label : labels) {
            all << label->text();
        }
        return all;
    }
    static QString amountText(const QJsonObject& data) {
        return QString::asprintf("%.2f", data["amount"].toDouble());
    }

    KQSVisitorsView* visitors() const {
        return static_cast<KQSVisitorsView*>(screen->dataViews().at(0));
    }
    KQSDataOrderView* orders() const {
        return static_cast<KQSDataOrderView*>(screen->dataViews().at(1));
    }
    KQSRevenueView* revenue() const {
        return static_cast<KQSRevenueView*>(screen->dataViews().at(2));
    }

    KQSNavigtionVC* stack = nullptr;
    KQSDataStatisticsVC* screen = nullptr;
};

TEST_F(StatsE2E, EveryPeriodAndKindShowsTheServicesTotalsOverItsDays) {
    const QDate today = Clock::now().date();
    for (int period : {1, 2, 0}) {
        SCOPED_TRACE(period);
        choosePeriod(period);
        const int days = StatsPeriod::days(period);
        const QDate first = today.addDays(-(days - 1));
        const QStringList dates{first.toString("MM-dd"),
                                first.addDays((days - 1) / 2).toString("MM-dd"),
                                today.toString("MM-dd")};

        const QJsonObject people =
            serviceFigures(&KQHttpClientList::getStatPageviewListWithProject, period);
        EXPECT_GT(people["user_count"].toInteger(), 0);
        EXPECT_EQ(visitors()->visitorsLabel()->text(),
                  QString::number(people["user_count"].toInteger()));
        EXPECT_EQ(visitors()->pageviewLabel()->text(),
                  QString::number(people["pageview"].toInteger()));

        const QJsonObject placed =
            serviceFigures(&KQHttpClientList::getStatOrderListWithProject, period);
        EXPECT_EQ(texts(orders()->totalLabels()),
                  (QStringList{QString::number(placed["total_order_count"].toInteger()),
                               QString::number(placed["trade_order_count"].toInteger()),
                               QString::number(placed["send_order_count"].toInteger())}));

        const QJsonObject sales =
            serviceFigures(&KQHttpClientList::getStatRevenueListWithProject, period);
        EXPECT_EQ(revenue()->amountLabel()->text(), amountText(sales));

        for (KQSDataBeasView* view : screen->dataViews()) {
            ASSERT_NE(view->chartView(), nullptr);
            EXPECT_EQ(texts(view->chartView()->bottomLabels()), dates);
            EXPECT_EQ(view->chartView()->values(0).size(), days);
        }
    }
}

TEST_F(StatsE2E, ShippingAnOrderRaisesTodaysShippedCountOnTheOrdersPage) {
    chooseKind(1);
    ASSERT_EQ(screen->naviBar()->titleView->text(), "订单统计");
    ASSERT_NE(orders()->chartView(), nullptr);
    const qint64 shippedBefore = orders()->totalLabels().at(2)->text().toLongLong();
    const double todayBefore = orders()->chartView()->values(2).last();

    KQProject& bag = KQProject::project();
    bag.order_id = QStringLiteral("100002");
    bag.company_id = QStringLiteral("SF");
    bag.waybill_number = QStringLiteral("SF20160518");
    bool shipped = false;
    KQHttpClientList::request_SendGoodWith(
        bag, [&shipped](const QJsonObject* reply, const ServiceError*) { shipped = reply; });
    EXPECT_TRUE(settle());
    ASSERT_TRUE(shipped);

    chooseKind(1);
    EXPECT_EQ(orders()->totalLabels().at(2)->text().toLongLong(), shippedBefore + 1);
    EXPECT_EQ(orders()->chartView()->values(2).last(), todayBefore + 1);
}

} // namespace
