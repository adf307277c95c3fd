#pragma once

#include "app/RCNavigationbar.h"
#include "platform/LineChart.h"
#include "platform/PagingScrollView.h"
#include "stats/KQSDataBottomBar.h"
#include "stats/KQSDataOrderView.h"
#include "stats/KQSDataStatisticsVC.h"
#include "stats/KQSRevenueView.h"
#include "stats/KQSVisitorsView.h"
#include "support/ScreenFixture.h"
#include "ui/KQSBottumsView.h"

#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <functional>

// The statistics screen pushed onto a stack in a phone window, on a scripted service that
// answers each statistics request for the days its start_time asks for.
class StatsFixture : public ScreenFixture {
public:
    static constexpr const char* kVisitors = "/stat/pageview/list.do";
    static constexpr const char* kOrders = "/stat/order/list.do";
    static constexpr const char* kRevenue = "/stat/revenue/list.do";

    // The days a request asks for: from its start_time to the test clock's today.
    static QList<qint64> daysAskedFor(const PeerRequest& request) {
        const QDate first = QDate::fromString(request.field("start_time"), "yyyy-MM-dd");
        QList<qint64> days;
        for (QDate day = first; first.isValid() && day <= Clock::now().date();
             day = day.addDays(1)) {
            days << day.startOfDay().toMSecsSinceEpoch();
        }
        return days;
    }

    // Figures that tell the period apart: totals 1000 + the number of days, day i has i % 5 + 1
    // visitors, placed orders and dollars.
    static QJsonObject figures(const QByteArray& path, const QList<qint64>& days) {
        QJsonArray list;
        for (int i = 0; i < days.size(); ++i) {
            const int n = i % 5 + 1;
            list.append(QJsonObject{{"postdate", days[i]},
                                    {"user_count", n},
                                    {"pageview", 2 * n},
                                    {"total_order_count", n},
                                    {"trade_order_count", n - 1},
                                    {"send_order_count", 0},
                                    {"amount", n + 0.5}});
        }
        const qint64 total = 1000 + days.size();
        if (path == kVisitors) {
            return {{"user_count", total}, {"pageview", 2 * total}, {"day_list", list}};
        }
        if (path == kOrders) {
            return {{"total_order_count", total},
                    {"trade_order_count", total - 1},
                    {"send_order_count", total - 2},
                    {"day_list", list}};
        }
        return {{"amount", total + 0.456}, {"day_list", list}};
    }

protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        answer = [](const PeerRequest& request) {
            return success(figures(request.path, daysAskedFor(request)));
        };
        peer.setHandler([this](const PeerRequest& request) { return answer(request); });
    }

    void TearDown() override {
        EXPECT_TRUE(settle());
        ScreenFixture::TearDown();
    }

    // Pushes the screen over a new first screen, as the dashboard does.
    KQSDataStatisticsVC* openScreen() {
        open(new KQSBaesVC);
        screen = push(new KQSDataStatisticsVC);
        return screen;
    }

    // Waits until each of the three pages asked for its figures once more.
    void waitForFigures() {
        for (const char* path : {kVisitors, kOrders, kRevenue}) {
            EXPECT_TRUE(peer.waitForRequest(path)) << path;
        }
    }

    // The requests that arrived since `from`, as their paths.
    QList<QByteArray> pathsSince(qsizetype from) const {
        QList<QByteArray> paths;
        for (const PeerRequest& request : peer.requests().mid(from)) {
            paths << request.path;
        }
        return paths;
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
    QString title() const { return screen->naviBar()->titleView->text(); }

    static QStringList texts(const QList<QLabel*>& labels) {
        QStringList all;
        for (const QLabel* label : labels) {
            all << label->text();
        }
        return all;
    }

    std::function<PeerReply(const PeerRequest&)> answer;
    KQSDataStatisticsVC* screen = nullptr;
};
