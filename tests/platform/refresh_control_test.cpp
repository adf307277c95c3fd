#include "list_fixtures.h"
#include "platform/RefreshControl.h"

#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// A phone-sized window with a table that has both refresh controls, counting starts.
struct RefreshableTable {
    explicit RefreshableTable(std::vector<int> rows, bool show = true)
        : source(std::move(rows)), table(new TableView(TableView::Style::Plain, &window)) {
        window.resize(375, 667);
        table->setGeometry(window.rect());
        table->setDataSource(&source);
        table->reloadData();
        header = table->addRefreshHeader([this] { ++refreshes; });
        footer = table->addLoadMoreFooter([this] { ++loads; });
        if (show) {
            this->show();
        }
    }
    void show() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void pullDown(int distance) {
        drag(&window, table->scroller(), QPoint(100, 150), QPoint(100, 150 + distance));
    }
    void pullUp(int distance) {
        drag(&window, table->scroller(), QPoint(100, 600), QPoint(100, 600 - distance));
    }
    bool restsAt(int offset) {
        return QTest::qWaitFor([&] {
            return table->contentOffset() == offset &&
                   table->scroller()->state() == QScroller::Inactive;
        });
    }

    QWidget window;
    RowsSource source;
    TableView* table;
    RefreshControl* header;
    RefreshControl* footer;
    int refreshes = 0;
    int loads = 0;
};

void turnWheel(TableView* table, int notches) {
    QWheelEvent event(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(table->viewport(), &event);
}

TEST(RefreshControlPull, OnlyAPullPastTheControlsHeightStartsIt) {
    struct Case {
        int distance;
        bool starts;
    };
    for (const Case& c : {Case{50, false}, Case{300, true}}) {
        RefreshableTable list({100});
        list.pullDown(c.distance);
        EXPECT_EQ(list.refreshes, c.starts ? 1 : 0) << c.distance;
        EXPECT_EQ(list.header->isRefreshing(), c.starts);
        // A running header stays in view above the first row until the screen ends it.
        EXPECT_TRUE(list.restsAt(c.starts ? -RefreshControl::Height : 0)) << c.distance;
        EXPECT_EQ(list.header->isVisible(), c.starts);
        EXPECT_EQ(list.loads, 0);
    }
}

TEST(RefreshControlPull, APullWhileTheHeaderRunsStartsNothingMoreAndEndingHidesIt) {
    RefreshableTable list({100});
    list.pullDown(300);
    ASSERT_EQ(list.refreshes, 1);
    EXPECT_EQ(list.header->text(), "正在刷新…");
    EXPECT_EQ(list.header->geometry().top(), 0);

    list.pullDown(300);
    list.header->beginRefreshing();
    EXPECT_EQ(list.refreshes, 1);

    list.header->endRefreshing();
    EXPECT_TRUE(list.restsAt(0));
    EXPECT_FALSE(list.header->isVisible());
    list.pullDown(300);
    EXPECT_EQ(list.refreshes, 2);
}

TEST(RefreshControlPull, APullPastTheEndStartsLoadMoreWithTheFooterInView) {
    RefreshableTable list({100});
    list.table->setContentOffset(list.table->maximumContentOffset());
    const int end = list.table->maximumContentOffset();
    list.pullUp(300);
    EXPECT_EQ(list.loads, 1);
    EXPECT_EQ(list.refreshes, 0);
    EXPECT_TRUE(list.restsAt(end + RefreshControl::Height));
    EXPECT_TRUE(list.footer->isVisible());
    EXPECT_EQ(list.footer->geometry().bottom(), 666);

    // The screen appends a page and ends loading: the new rows follow on.
    list.source.rows = {110};
    list.table->reloadData();
    list.footer->endRefreshing();
    EXPECT_TRUE(list.restsAt(end + RefreshControl::Height));
    EXPECT_FALSE(list.footer->isVisible());
    EXPECT_NE(list.table->cellForRow({0, 100}), nullptr);
}

TEST(RefreshControlPull, AnEmptyOrShortListCanStillBePulledBothWays) {
    for (int rows : {0, 2}) {
        RefreshableTable list({rows});
        list.pullDown(300);
        list.header->endRefreshing();
        EXPECT_TRUE(list.restsAt(0));
        list.pullUp(300);
        EXPECT_EQ(list.refreshes, 1) << rows;
        EXPECT_EQ(list.loads, 1) << rows;
    }
}

TEST(RefreshControlPull, TheWheelPastAnEdgeCountsAsAPull) {
    RefreshableTable list({100});
    turnWheel(list.table, 1);
    EXPECT_EQ(list.refreshes, 0);
    turnWheel(list.table, 1);
    EXPECT_EQ(list.refreshes, 1);

    list.table->setContentOffset(list.table->maximumContentOffset());
    turnWheel(list.table, -3);
    EXPECT_EQ(list.loads, 1);
}

TEST(RefreshControlCode, AStartWhileOneRunsDoesNothingMore) {
    RefreshableTable list({100});
    list.table->setContentOffset(4000);
    list.header->beginRefreshing();
    list.header->beginRefreshing();
    EXPECT_EQ(list.refreshes, 1);
    // Started from code, the header is brought into view.
    EXPECT_TRUE(list.restsAt(-RefreshControl::Height));

    // Header and footer are separate: loading more may start while refreshing.
    list.footer->beginRefreshing();
    list.footer->beginRefreshing();
    EXPECT_EQ(list.loads, 1);

    list.header->endRefreshing();
    list.footer->endRefreshing();
    EXPECT_FALSE(list.header->isRefreshing());
    EXPECT_FALSE(list.footer->isRefreshing());
    list.header->beginRefreshing();
    list.footer->beginRefreshing();
    EXPECT_EQ(list.refreshes, 2);
    EXPECT_EQ(list.loads, 2);
}

TEST(RefreshControlCode, EndingInsideTheStartLeavesItReadyForTheNextStart) {
    RefreshableTable list({100});
    RefreshControl* header = list.table->addRefreshHeader([&] {
        ++list.refreshes;
        list.table->refreshHeader()->endRefreshing();
    });
    header->beginRefreshing();
    header->beginRefreshing();
    EXPECT_EQ(list.refreshes, 2);
    EXPECT_EQ(header->state(), RefreshControl::State::Idle);
    EXPECT_TRUE(list.restsAt(0));
}

TEST(RefreshControlCode, AStartBeforeTheTableWasShownWaitsForItsFirstAppearance) {
    RefreshableTable list({100}, false);
    list.header->beginRefreshing();
    list.header->beginRefreshing();
    EXPECT_EQ(list.refreshes, 0);
    EXPECT_TRUE(list.header->isRefreshing());
    EXPECT_EQ(list.header->state(), RefreshControl::State::Pending);

    list.show();
    EXPECT_EQ(list.refreshes, 1);
    list.header->beginRefreshing();
    EXPECT_EQ(list.refreshes, 1);

    // Once shown, a hidden table (another screen on top) starts at once.
    list.header->endRefreshing();
    list.window.hide();
    list.header->beginRefreshing();
    EXPECT_EQ(list.refreshes, 2);
}

TEST(RefreshControlCode, EndingAWaitingStartCancelsIt) {
    RefreshableTable list({100}, false);
    list.footer->beginRefreshing();
    list.footer->endRefreshing();
    list.show();
    EXPECT_EQ(list.loads, 0);
    EXPECT_FALSE(list.footer->isRefreshing());
}

} // namespace
