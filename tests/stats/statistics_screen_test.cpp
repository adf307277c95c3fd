#include "StatsFixture.h"
#include "app/ScreenClasses.h"
#include "app/TabBarButton.h"
#include "platform/Toast.h"
#include "stats/StatsPeriod.h"
#include "stats/StatsScreens.h"
#include "support/Gestures.h"

#include <QScrollArea>

namespace {

class StatsScreenTest : public StatsFixture {
protected:
    void expectPeriodRequest(const PeerRequest& request, const QString& start) {
        EXPECT_EQ(request.field("start_time"), start) << request.path.toStdString();
        EXPECT_EQ(request.field("end_time"), Clock::now().toString("yyyy-MM-dd HH:mm:ss"));
        EXPECT_TRUE(request.hasField("source"));
        EXPECT_EQ(request.field("source"), "");
    }
    void chooseKind(int kind) {
        screen->bottomBar()->btns().at(kind)->click();
        settle();
        EXPECT_TRUE(QTest::qWaitFor([this, kind] {
            return screen->contentScrollView()->scroller()->state() == QScroller::Inactive &&
                   screen->contentScrollView()->currentPage() == kind;
        }));
    }
    void choosePeriod(int period) {
        screen->topBar()->btns().at(period)->click();
        settle();
    }
    // Swipes the pages one page to the left.
    void swipeLeft() {
        const QRect area = screen->contentScrollView()->geometry();
        const QPoint from = screen->mapTo(window.get(), area.center() + QPoint(120, 0));
        drag(window.get(), screen->contentScrollView()->scroller(), from, from - QPoint(240, 0));
        settle();
    }
};

TEST_F(StatsScreenTest, OpeningAsksEachKindOnceForTheLastSevenDays) {
    openScreen();
    settle();
    ASSERT_EQ(peer.requests().size(), 3);
    EXPECT_EQ(peer.count(kVisitors), 1);
    EXPECT_EQ(peer.count(kOrders), 1);
    EXPECT_EQ(peer.count(kRevenue), 1);
    for (const PeerRequest& request : peer.requests()) {
        expectPeriodRequest(request, "2016-05-12");
    }
    EXPECT_EQ(title(), "访客统计");
    EXPECT_FALSE(screen->naviBar()->left0->isHidden()) << "a way back";
    EXPECT_EQ(screen->indexPath(), 0);
    EXPECT_EQ(screen->topBar()->selectedIndex(), 0);
    EXPECT_EQ(screen->bottomBar()->selectedIndex(), 0);
    EXPECT_EQ(screen->contentScrollView()->currentPage(), 0);
    EXPECT_EQ(screen->topBar()->titles(), (QStringList{"最近7天", "最近30天", "最近180天"}));
    QStringList kinds;
    for (const TabBarButton* tab : screen->bottomBar()->btns()) {
        kinds << tab->text();
    }
    EXPECT_EQ(kinds, (QStringList{"访客", "订单", "营收"}));
    for (KQSDataBeasView* view : screen->dataViews()) {
        EXPECT_EQ(view->titleLabel()->text(), "最近七天统计");
        EXPECT_EQ(view->figuresPage(), 0);
    }
    EXPECT_EQ(visitors()->subtitleLabel()->text(), "最近七天访客数据统计");
    EXPECT_EQ(visitors()->visitorsLabel()->text(), "1007");
    EXPECT_EQ(visitors()->pageviewLabel()->text(), "2014");
}

TEST_F(StatsScreenTest, TheScreenIsRegisteredByClassName) {
    registerStatsScreens();
    std::unique_ptr<Screen> created(ScreenClasses::create("KQSDataStatisticsVC"));
    EXPECT_NE(qobject_cast<KQSDataStatisticsVC*>(created.get()), nullptr);
}

TEST_F(StatsScreenTest, APeriodTabAsksAllThreeKindsAgainAndKeepsThePageInView) {
    openScreen();
    settle();
    chooseKind(1);
    const qsizetype before = peer.requests().size();
    choosePeriod(1);
    const QList<PeerRequest> sent = peer.requests().mid(before);
    ASSERT_EQ(sent.size(), 3);
    for (const PeerRequest& request : sent) {
        expectPeriodRequest(request, "2016-04-19");
    }
    EXPECT_EQ(screen->indexPath(), 1);
    EXPECT_EQ(screen->contentScrollView()->currentPage(), 1);
    EXPECT_EQ(title(), "订单统计");
    EXPECT_EQ(orders()->titleLabel()->text(), "最近三十天统计");
    EXPECT_EQ(texts(orders()->totalLabels()), (QStringList{"1030", "1029", "1028"}));
    ASSERT_NE(orders()->chartView(), nullptr);
    EXPECT_EQ(orders()->chartView()->values(0).size(), 30);
}

TEST_F(StatsScreenTest, AKindTabTitlesTheScreenScrollsToItsPageAndRefreshesOnlyIt) {
    openScreen();
    settle();
    const qsizetype before = peer.requests().size();
    chooseKind(1);
    EXPECT_EQ(pathsSince(before), QList<QByteArray>{kOrders});
    EXPECT_EQ(title(), "订单统计");
    EXPECT_EQ(screen->contentScrollView()->currentPage(), 1);
    expectPeriodRequest(peer.requests().last(), "2016-05-12");

    choosePeriod(2);
    const qsizetype afterPeriod = peer.requests().size();
    chooseKind(2);
    EXPECT_EQ(pathsSince(afterPeriod), QList<QByteArray>{kRevenue});
    expectPeriodRequest(peer.requests().last(), "2015-11-21");
    EXPECT_EQ(title(), "营收统计");
}

TEST_F(StatsScreenTest, ASwipeSelectsTheKindTitlesTheScreenAndRefreshesOnlyThatPage) {
    openScreen();
    settle();
    qsizetype before = peer.requests().size();
    swipeLeft();
    EXPECT_EQ(screen->contentScrollView()->currentPage(), 1);
    EXPECT_EQ(pathsSince(before), QList<QByteArray>{kOrders});
    before = peer.requests().size();
    swipeLeft();
    EXPECT_EQ(screen->contentScrollView()->currentPage(), 2);
    EXPECT_EQ(pathsSince(before), QList<QByteArray>{kRevenue});
    EXPECT_EQ(screen->bottomBar()->selectedIndex(), 2);
    EXPECT_TRUE(screen->bottomBar()->btns().at(2)->isChecked());
    EXPECT_EQ(title(), "营收统计");
}

TEST_F(StatsScreenTest, EveryPageDrawsItsDaysWithTheFirstMiddleAndLastDateUnderTheChart) {
    struct Case {
        int period;
        int days;
        QStringList dates;
    };
    // Today is 2016-05-18: 7 days start on the 12th, the middle is the fourth day; 30 days the
    // fifteenth; 180 days the ninetieth.
    const Case cases[] = {{0, 7, {"05-12", "05-15", "05-18"}},
                          {1, 30, {"04-19", "05-03", "05-18"}},
                          {2, 180, {"11-21", "02-18", "05-18"}}};
    openScreen();
    settle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.days);
        choosePeriod(c.period);
        for (KQSDataBeasView* view : screen->dataViews()) {
            ASSERT_NE(view->chartView(), nullptr);
            EXPECT_EQ(texts(view->chartView()->bottomLabels()), c.dates);
        }
        ASSERT_EQ(visitors()->chartView()->seriesCount(), 2);
        EXPECT_EQ(visitors()->chartView()->values(0).size(), c.days);
        EXPECT_EQ(visitors()->chartView()->colour(0), QColor(255, 0, 0));
        EXPECT_EQ(visitors()->chartView()->colour(1), QColor(0, 255, 0));
        ASSERT_EQ(orders()->chartView()->seriesCount(), 3);
        EXPECT_EQ(orders()->chartView()->colour(2), QColor(0, 0, 255));
        ASSERT_EQ(revenue()->chartView()->seriesCount(), 1);
        EXPECT_EQ(revenue()->chartView()->colour(0), QColor(255, 79, 79));
        EXPECT_EQ(revenue()->amountLabel()->text(), QString::number(1000 + c.days) + ".46");
    }
}

TEST_F(StatsScreenTest, TotalsComeFromTheSummaryAndTheScaleFromTheBusiestDay) {
    answer = [](const PeerRequest& request) {
        const QList<qint64> days = daysAskedFor(request);
        if (request.path == kOrders) {
            // Totals that are not the sums of the days; the busiest day had 9, 4 and 2.
            QJsonArray list;
            for (int i = 0; i < days.size(); ++i) {
                list.append(QJsonObject{{"postdate", days[i]},
                                        {"total_order_count", i == 3 ? 9 : 1},
                                        {"trade_order_count", i == 3 ? 4 : 0},
                                        {"send_order_count", i == 3 ? 2 : 0}});
            }
            return success({{"total_order_count", 3},
                            {"trade_order_count", 50},
                            {"send_order_count", 7},
                            {"day_list", list}});
        }
        if (request.path == kRevenue) {
            const double amounts[] = {3.5, 12.7, 8};
            QJsonArray list;
            for (int i = 0; i < 3; ++i) {
                list.append(QJsonObject{{"postdate", days[i]}, {"amount", amounts[i]}});
            }
            return success({{"amount", 876.456}, {"day_list", list}});
        }
        return success({{"user_count", 5}, {"pageview", 40}, {"day_list", QJsonArray{}}});
    };
    openScreen();
    settle();
    EXPECT_EQ(texts(orders()->totalLabels()), (QStringList{"3", "50", "7"}));
    EXPECT_EQ(texts(orders()->chartView()->yLabels()), (QStringList{"0", "3", "6", "9", "12"}));
    EXPECT_EQ(texts(revenue()->chartView()->yLabels()), (QStringList{"0", "4", "8", "12", "16"}));
    const LineChart* chart = revenue()->chartView();
    EXPECT_GE(chart->pointAt(1, 3, 12.7).y(), chart->plotRect().top()) << "inside the scale";
    EXPECT_EQ(revenue()->amountLabel()->text(), "876.46");
    EXPECT_EQ(visitors()->visitorsLabel()->text(), "5");
    EXPECT_EQ(visitors()->pageviewLabel()->text(), "40");
    EXPECT_EQ(visitors()->chartView(), nullptr) << "no days, no chart";
}

TEST_F(StatsScreenTest, TotalsStayEmptyUntilTheFirstReply) {
    PeerReply silent;
    silent.neverAnswer = true;
    answer = [silent](const PeerRequest&) { return silent; };
    openScreen();
    waitForFigures();
    EXPECT_EQ(visitors()->visitorsLabel()->text(), "");
    EXPECT_EQ(visitors()->pageviewLabel()->text(), "");
    EXPECT_EQ(texts(orders()->totalLabels()), (QStringList{"", "", ""}));
    EXPECT_EQ(revenue()->amountLabel()->text(), "");
    for (KQSDataBeasView* view : screen->dataViews()) {
        EXPECT_EQ(view->chartView(), nullptr);
    }
    EXPECT_EQ(texts(orders()->captionLabels()), (QStringList{"下单订单", "成交订单", "发货订单"}));
    closeWindow(); // the requests that never get an answer go with it
}

TEST_F(StatsScreenTest, EveryPeriodHasItsCardTexts) {
    openScreen();
    settle();
    const QStringList titles{"最近七天统计", "最近三十天统计", "最近一百八十天统计"};
    const QStringList subtitles[] = {
        {"最近七天访客数据统计", "最近三十天访客数据统计", "最近一百八十天访客数据统计"},
        {"最近七天订单数据统计", "最近三十天订单数据统计", "最近一百八十天数据统计"},
        {"最近七天营收数据统计", "最近三十天营收数据统计", "最近一百八十天营收数据统计"}};
    for (int period = 2; period >= 0; --period) {
        choosePeriod(period);
        for (int kind = 0; kind < 3; ++kind) {
            EXPECT_EQ(screen->dataViews()[kind]->titleLabel()->text(), titles[period]);
            EXPECT_EQ(screen->dataViews()[kind]->subtitleLabel()->text(), subtitles[kind][period]);
        }
    }
}

TEST_F(StatsScreenTest, TheWindowIsCountedInCalendarDaysAcrossADaylightSavingChange) {
    struct Case {
        QDateTime now;
        int period;
        const char* start;
    };
    // Berlin: clocks go forward on 2016-03-27 and back on 2016-10-30. Near midnight, counting
    // 24-hour steps back from now would land on the day before or after.
    const TimeZoneGuard berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    const Case cases[] = {{QDateTime(QDate(2016, 3, 31), QTime(0, 30)), 0, "2016-03-25"},
                          {QDateTime(QDate(2016, 11, 2), QTime(23, 30)), 0, "2016-10-27"},
                          {QDateTime(QDate(2016, 4, 15), QTime(0, 30)), 1, "2016-03-17"},
                          {QDateTime(QDate(2016, 11, 20), QTime(23, 30)), 1, "2016-10-22"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        Clock::useTestClock(c.now);
        openScreen();
        settle();
        if (c.period != 0) {
            choosePeriod(c.period);
        }
        const PeerRequest last = peer.requests().last();
        expectPeriodRequest(last, c.start);
        EXPECT_EQ(revenue()->chartView()->values(0).size(), StatsPeriod::days(c.period));
    }
}

TEST_F(StatsScreenTest, ALateReplyForAnEarlierPeriodIsDropped) {
    answer = [](const PeerRequest& request) {
        const QList<qint64> days = daysAskedFor(request);
        PeerReply reply = success(figures(request.path, days));
        reply.held = days.size() == 7;
        return reply;
    };
    openScreen();
    waitForFigures();
    screen->topBar()->btns().at(1)->click();
    ASSERT_TRUE(QTest::qWaitFor([this] {
        return visitors()->figuresPage() == 1 && orders()->figuresPage() == 1 &&
               revenue()->figuresPage() == 1;
    }));
    for (const char* path : {kVisitors, kOrders, kRevenue}) {
        ASSERT_TRUE(peer.release(path));
    }
    ASSERT_TRUE(settle());
    for (KQSDataBeasView* view : screen->dataViews()) {
        EXPECT_EQ(view->figuresPage(), 1);
    }
    EXPECT_EQ(visitors()->visitorsLabel()->text(), "1030");
    EXPECT_EQ(texts(orders()->totalLabels()), (QStringList{"1030", "1029", "1028"}));
    EXPECT_EQ(revenue()->amountLabel()->text(), "1030.46");
    EXPECT_EQ(visitors()->chartView()->values(0).size(), 30);
}

TEST_F(StatsScreenTest, AnOlderReplyForTheSamePeriodDoesNotReplaceANewerOne) {
    int asked = 0;
    answer = [&asked](const PeerRequest& request) {
        QJsonObject data = figures(request.path, daysAskedFor(request));
        // The orders page asks twice; the first answer comes last and tells old figures.
        if (request.path == kOrders && ++asked == 1) {
            data["total_order_count"] = 1;
            PeerReply old = success(data);
            old.held = true;
            return old;
        }
        return success(data);
    };
    openScreen();
    waitForFigures();
    screen->bottomBar()->btns().at(1)->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return orders()->figuresPage() == 0; }));
    EXPECT_EQ(orders()->totalLabels().at(0)->text(), "1007");
    ASSERT_TRUE(peer.release(kOrders));
    ASSERT_TRUE(settle());
    EXPECT_EQ(orders()->totalLabels().at(0)->text(), "1007");
}

TEST_F(StatsScreenTest, AFailureUnderANewPeriodClearsTheOldFigures) {
    openScreen();
    settle();
    ASSERT_NE(visitors()->chartView(), nullptr);
    answer = [](const PeerRequest& request) {
        if (request.path == kOrders) {
            PeerReply down;
            down.status = 503;
            return down;
        }
        return request.path == kVisitors ? refused("统计服务繁忙")
                                         : success(figures(request.path, daysAskedFor(request)));
    };
    choosePeriod(1);
    EXPECT_TRUE(Toast::visibleTexts().contains("统计服务繁忙"));
    EXPECT_EQ(visitors()->titleLabel()->text(), "最近三十天统计");
    EXPECT_EQ(visitors()->visitorsLabel()->text(), "");
    EXPECT_EQ(visitors()->pageviewLabel()->text(), "");
    EXPECT_EQ(visitors()->chartView(), nullptr);
    EXPECT_EQ(visitors()->figuresPage(), -1);
    EXPECT_EQ(texts(orders()->totalLabels()), (QStringList{"", "", ""}));
    EXPECT_EQ(orders()->chartView(), nullptr);
    EXPECT_EQ(revenue()->amountLabel()->text(), "1030.46") << "its reply arrived";

    // A failure for the period whose figures are shown keeps them.
    choosePeriod(2);
    answer = [](const PeerRequest&) { return refused("统计服务繁忙"); };
    screen->bottomBar()->btns().at(2)->click();
    settle();
    EXPECT_EQ(revenue()->amountLabel()->text(), "1180.46");
    EXPECT_NE(revenue()->chartView(), nullptr);
}

} // namespace
