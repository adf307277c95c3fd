#include "list_fixtures.h"
#include "platform/PagingScrollView.h"

#include <QSignalSpy>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Three pages 351 points wide, like the comment and goods lists.
struct ShownPages {
    ShownPages() : pages(new PagingScrollView(&window)) {
        window.resize(375, 667);
        pages->setGeometry(12, 50, 351, 600);
        for (int i = 0; i < 3; ++i) {
            auto* page = new QLabel(QString("page %1").arg(i));
            page->setObjectName(QString("page%1").arg(i));
            pages->addPage(page);
        }
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    PagingScrollView* pages;
};

TEST(PagingScrollView, PagesSitSideBySideAsWideAsTheView) {
    ShownPages shown;
    EXPECT_EQ(shown.pages->pageCount(), 3);
    EXPECT_EQ(shown.pages->pageWidth(), 351);
    EXPECT_EQ(shown.pages->page(2)->geometry(), QRect(702, 0, 351, 600));
    EXPECT_EQ(shown.pages->currentPage(), 0);
}

TEST(PagingScrollView, ASwipeSettlesOnAWholePageAndReportsIt) {
    struct Case {
        int from, to;
        int page;
    };
    // Past half a page moves on; less springs back; the last page stops a swipe.
    ShownPages shown;
    QSignalSpy settled(shown.pages, &PagingScrollView::pageSettled);
    for (const Case& c : {Case{300, 50, 1}, Case{300, 250, 1}, Case{300, 50, 2}, Case{300, 50, 2},
                          Case{50, 300, 1}}) {
        settled.clear();
        drag(&shown.window, shown.pages->scroller(), QPoint(c.from, 300), QPoint(c.to, 300));
        ASSERT_EQ(settled.size(), 1) << c.from << "->" << c.to;
        EXPECT_EQ(settled.at(0).at(0).toInt(), c.page);
        EXPECT_EQ(shown.pages->currentPage(), c.page);
        EXPECT_EQ(shown.pages->page(c.page)->mapTo(&shown.window, QPoint(0, 0)).x(), 12);
    }
}

TEST(PagingScrollView, ScrollingFromCodeMovesWithoutReporting) {
    ShownPages shown;
    QSignalSpy settled(shown.pages, &PagingScrollView::pageSettled);
    shown.pages->scrollToPage(2, true);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return shown.pages->scroller()->state() == QScroller::Inactive &&
               shown.pages->currentPage() == 2;
    }));
    shown.pages->scrollToPage(1, false);
    EXPECT_EQ(shown.pages->currentPage(), 1);
    QTest::qWait(50);
    EXPECT_EQ(settled.size(), 0);
}

TEST(PagingScrollView, TheWheelTurnsOnePagePerNotch) {
    ShownPages shown;
    QSignalSpy settled(shown.pages, &PagingScrollView::pageSettled);
    QWheelEvent down(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(shown.pages->viewport(), &down);
    ASSERT_TRUE(QTest::qWaitFor([&] { return settled.size() == 1; }));
    EXPECT_EQ(settled.at(0).at(0).toInt(), 1);
}

TEST(PagingScrollView, PagesThatAreListsScrollUpAndDownWhileASidewaysSwipeTurnsThePage) {
    RowsSource source({100});
    QWidget window;
    window.resize(375, 667);
    auto* pages = new PagingScrollView(&window);
    pages->setGeometry(12, 50, 351, 600);
    QList<TableView*> lists;
    for (int i = 0; i < 3; ++i) {
        lists.append(new TableView);
        lists.back()->setDataSource(&source);
        lists.back()->reloadData();
        pages->addPage(lists.back());
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy settled(pages, &PagingScrollView::pageSettled);

    drag(&window, lists[0]->scroller(), QPoint(200, 500), QPoint(200, 200));
    EXPECT_NEAR(lists[0]->contentOffset(), 300, 2);
    EXPECT_EQ(pages->currentPage(), 0);

    drag(&window, pages->scroller(), QPoint(300, 300), QPoint(50, 300));
    ASSERT_TRUE(QTest::qWaitFor([&] { return settled.size() == 1; }));
    EXPECT_EQ(settled.at(0).at(0).toInt(), 1);
    EXPECT_NEAR(lists[0]->contentOffset(), 300, 2);
}

} // namespace
