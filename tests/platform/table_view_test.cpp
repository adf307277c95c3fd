#include "list_fixtures.h"

#include <QAccessible>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A phone-sized window holding one table that fills it.
struct ShownTable {
    explicit ShownTable(RowsSource* source, TableView::Style style = TableView::Style::Plain)
        : table(new TableView(style, &window)) {
        window.resize(375, 667);
        table->setGeometry(window.rect());
        table->setDataSource(source);
        table->reloadData();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    TableView* table;
};

QString textOf(TableCell* cell) {
    return static_cast<TextCell*>(cell)->label->text();
}

// Every row on screen shows its own index path and sits where the table says it does.
void expectRowsMatchTheirPlaces(TableView* table) {
    const QList<TableCell*> cells = table->visibleCells();
    ASSERT_FALSE(cells.isEmpty());
    for (TableCell* cell : cells) {
        const auto path = table->indexPathForCell(cell);
        ASSERT_TRUE(path.has_value());
        EXPECT_EQ(textOf(cell), QString("%1-%2").arg(path->section).arg(path->row));
        EXPECT_EQ(cell->y(), table->rectForRow(*path).y() - table->contentOffset());
        EXPECT_TRUE(cell->isVisible());
    }
}

TEST(TableViewReuse, ScrollingThroughTenThousandRowsKeepsFewRowWidgets) {
    RowsSource source({10000});
    ShownTable shown(&source);
    TableView* table = shown.table;
    ASSERT_EQ(table->contentHeight(), 10000 * 133);

    int most = 0;
    for (int y = 0; y <= table->maximumContentOffset(); y += 977) {
        table->setContentOffset(y);
        most = std::max(most, table->rowWidgetCount());
        if (y % (977 * 100) == 0) {
            expectRowsMatchTheirPlaces(table);
        }
    }
    table->setContentOffset(table->maximumContentOffset());
    expectRowsMatchTheirPlaces(table);
    EXPECT_EQ(table->cellForRow({0, 9999})->y() + 133, 667);
    // 667 points show at most 7 rows of 133 at once.
    EXPECT_LE(most, 7);
    EXPECT_LE(source.created, 7);
}

TEST(TableViewReuse, AReusedRowShowsItsNewContentAndWasPreparedForIt) {
    struct CountingCell : TextCell {
        void prepareForReuse() override { ++prepared; }
        int prepared = 0;
    };
    struct Source : RowsSource {
        Source() : RowsSource({100}) {}
        TableCell* cellForRow(TableView* table, IndexPath path) override {
            auto* cell =
                static_cast<CountingCell*>(table->dequeueReusableCell(TextCell::Identifier));
            if (!cell) {
                cell = new CountingCell;
            }
            cell->label->setText(QString("%1-%2").arg(path.section).arg(path.row));
            return cell;
        }
    } source;
    ShownTable shown(&source);
    TableCell* first = shown.table->cellForRow({0, 0});
    ASSERT_NE(first, nullptr);

    shown.table->setContentOffset(50 * 133);
    const auto now = shown.table->indexPathForCell(first);
    ASSERT_TRUE(now.has_value());
    EXPECT_GE(now->row, 50);
    EXPECT_EQ(textOf(first), QString("0-%1").arg(now->row));
    EXPECT_GE(static_cast<CountingCell*>(first)->prepared, 1);
    expectRowsMatchTheirPlaces(shown.table);
}

TEST(TableViewLayout, GroupedSectionsPlaceHeadersRowsAndFootersAfterTheInset) {
    RowsSource source({2, 0, 3});
    source.headerHeight = 60;
    source.footerHeight = 48;
    ShownTable shown(&source, TableView::Style::Grouped);
    TableView* table = shown.table;
    table->setContentInset(-12, 0);

    EXPECT_EQ(table->numberOfSections(), 3);
    EXPECT_EQ(table->numberOfRows(1), 0);
    EXPECT_EQ(table->contentHeight(), 3 * (60 + 48) + 5 * 133);
    EXPECT_EQ(table->rectForRow({0, 1}), QRect(0, 60 + 133, 375, 133));
    EXPECT_EQ(table->rectForRow({2, 0}).y(), 60 + 2 * 133 + 48 + 60 + 48 + 60);
    EXPECT_FALSE(table->rectForRow({1, 0}).isValid());

    // A negative top inset hides the top of the content at rest.
    EXPECT_EQ(table->contentOffset(), 12);
    ASSERT_NE(table->headerView(0), nullptr);
    EXPECT_EQ(table->headerView(0)->geometry(), QRect(0, -12, 375, 60));
    EXPECT_EQ(table->cellForRow({0, 0})->y(), 48);
    ASSERT_NE(table->footerView(0), nullptr);
    EXPECT_EQ(table->footerView(0)->y(), 60 + 2 * 133 - 12);
    // A section without rows still shows its header and footer.
    ASSERT_NE(table->footerView(1), nullptr);
    EXPECT_EQ(table->footerView(1)->y() - table->headerView(1)->y(), 60);
}

TEST(TableViewLayout, HeadersAndFootersThatScrollAwayAreDeletedAndAskedForAgain) {
    RowsSource source(std::vector<int>(40, 2));
    source.headerHeight = 60;
    source.footerHeight = 48;
    ShownTable shown(&source, TableView::Style::Grouped);
    QPointer<QWidget> header = shown.table->headerView(0);
    ASSERT_TRUE(header);

    shown.table->setContentOffset(20 * (60 + 266 + 48));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(header);
    EXPECT_EQ(shown.table->headerView(0), nullptr);
    ASSERT_NE(shown.table->headerView(20), nullptr);
    EXPECT_EQ(static_cast<QLabel*>(shown.table->headerView(20))->text(), "header 20");
    EXPECT_EQ(shown.table->headerView(20)->y(), 0);

    shown.table->scrollToTop(false);
    ASSERT_NE(shown.table->headerView(0), nullptr);
    EXPECT_EQ(static_cast<QLabel*>(shown.table->headerView(0))->text(), "header 0");
}

TEST(TableViewLayout, ReloadAfterTheRowsShrankKeepsTheOffsetInsideTheNewContent) {
    RowsSource source({100});
    ShownTable shown(&source);
    shown.table->setContentOffset(90 * 133);
    source.rows = {3};
    shown.table->reloadData();
    EXPECT_EQ(shown.table->contentOffset(), 0);
    EXPECT_EQ(shown.table->visibleCells().size(), 3);
    expectRowsMatchTheirPlaces(shown.table);

    source.rows = {};
    shown.table->reloadData();
    EXPECT_TRUE(shown.table->visibleCells().isEmpty());
    // The rows wait for reuse instead of being made again.
    EXPECT_EQ(shown.table->rowWidgetCount(), source.created);
}

TEST(TableViewLayout, SeparatorsAppearOnlyWhenAskedFor) {
    RowsSource source({10}, 69);
    ShownTable shown(&source);
    auto separatorShown = [](TableCell* cell) {
        auto* line = cell->findChild<QWidget*>("separatorLine");
        return line && line->isVisible();
    };
    for (TableCell* cell : shown.table->visibleCells()) {
        EXPECT_FALSE(separatorShown(cell));
    }
    shown.table->setSeparatorsShown(true);
    for (TableCell* cell : shown.table->visibleCells()) {
        EXPECT_TRUE(separatorShown(cell));
    }
}

TEST(TableViewSelection, TouchingARowReportsItsSectionAndRow) {
    RowsSource source({3, 4}, 60);
    ShownTable shown(&source);
    QSignalSpy selected(shown.table, &TableView::rowSelected);
    TableCell* cell = shown.table->cellForRow({1, 2});
    ASSERT_NE(cell, nullptr);

    QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(100, 30));
    ASSERT_TRUE(QTest::qWaitFor([&] { return selected.size() == 1; }));
    EXPECT_EQ(selected.at(0).at(0).toInt(), 1);
    EXPECT_EQ(selected.at(0).at(1).toInt(), 2);
}

TEST(TableViewSelection, AssistiveTechnologyReadsARowByItsLabelsAndCanPressIt) {
    RowsSource source({3}, 60);
    ShownTable shown(&source);
    QSignalSpy selected(shown.table, &TableView::rowSelected);
    TableCell* cell = shown.table->cellForRow({0, 2});
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(cell);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(QAccessible::Name), "0-2");
    cell->setAccessibleName("第三行");
    EXPECT_EQ(row->text(QAccessible::Name), "第三行");

    ASSERT_NE(row->actionInterface(), nullptr);
    row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.at(0).at(1).toInt(), 2);
}

TEST(TableViewScrolling, DraggingMovesTheContentWithThePointerAndAFlickCarriesOn) {
    RowsSource source({100});
    ShownTable shown(&source);
    drag(&shown.window, shown.table->scroller(), QPoint(100, 500), QPoint(100, 200));
    EXPECT_NEAR(shown.table->contentOffset(), 300, 2);
    expectRowsMatchTheirPlaces(shown.table);

    drag(&shown.window, shown.table->scroller(), QPoint(100, 500), QPoint(100, 200), true);
    EXPECT_GT(shown.table->contentOffset(), 600 + 100);
    expectRowsMatchTheirPlaces(shown.table);
}

TEST(TableViewScrolling, TheWheelScrollsAndStopsAtTheEdges) {
    RowsSource source({100});
    ShownTable shown(&source);
    QWheelEvent down(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, -240), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(shown.table->viewport(), &down);
    EXPECT_EQ(shown.table->contentOffset(), 120);

    QWheelEvent up(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, 1200), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(shown.table->viewport(), &up);
    EXPECT_EQ(shown.table->contentOffset(), 0);
}

TEST(TableViewScrolling, ScrollToTopAnimatedArrivesAtTheTop) {
    RowsSource source({100});
    ShownTable shown(&source);
    shown.table->setContentInset(10, 0);
    shown.table->setContentOffset(5000);
    QSignalSpy moved(shown.table, &TableView::contentOffsetChanged);

    shown.table->scrollToTop(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.table->contentOffset() == -10; }));
    // Animated means it passed through offsets on the way.
    EXPECT_GT(moved.size(), 1);
    expectRowsMatchTheirPlaces(shown.table);
}

TEST(TableViewOverlay, TheOverlayCoversTheRowsAndIsReplaceable) {
    RowsSource source({10}, 69);
    ShownTable shown(&source);
    auto* overlay = new QLabel("empty");
    shown.table->setOverlayView(overlay);
    EXPECT_EQ(overlay->geometry(), shown.table->viewport()->rect());
    EXPECT_EQ(shown.table->viewport()->childAt(100, 100), overlay);

    overlay->hide();
    EXPECT_NE(qobject_cast<TableCell*>(shown.table->viewport()->childAt(100, 100)), nullptr);

    QPointer<QLabel> old = overlay;
    shown.table->setOverlayView(new QLabel("other"));
    EXPECT_FALSE(old);
}

} // namespace

namespace {

TEST(TableViewHeader, TheTableHeaderViewSitsAboveTheRowsAndScrollsWithThem) {
    RowsSource source({3, 2}, 60);
    source.headerHeight = 12;
    ShownTable shown(&source);
    TableView* table = shown.table;
    auto* header = new QLabel(QStringLiteral("logo"));
    header->resize(375, 85);
    table->setTableHeaderView(header);
    EXPECT_EQ(table->rectForRow({0, 0}).y(), 85 + 12);
    EXPECT_EQ(table->contentHeight(), 85 + 12 + 3 * 60 + 12 + 2 * 60);
    EXPECT_EQ(header->geometry(), QRect(0, 0, 375, 85));
    EXPECT_EQ(table->cellForRow({0, 0})->y(), 97);

    source.rows = {30, 2};
    table->reloadData();
    table->setContentOffset(50);
    EXPECT_EQ(header->y(), -50);
    EXPECT_EQ(table->cellForRow({0, 0})->y(), 47);

    QPointer<QLabel> replaced(header);
    table->setTableHeaderView(nullptr);
    EXPECT_TRUE(replaced.isNull());
    EXPECT_EQ(table->rectForRow({0, 0}).y(), 12);
}

} // namespace
