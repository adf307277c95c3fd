#include "list_fixtures.h"

#include <QAccessible>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Rows of one section whose ticks live in the source, as a batch screen keeps its selection.
// It may refuse ticks beyond a limit.
class TickingSource : public RowsSource {
public:
    explicit TickingSource(int rows) : RowsSource({rows}, 100), ticks(size_t(rows), false) {}

    bool isRowTicked(TableView*, IndexPath path) override { return ticks[size_t(path.row)]; }
    void setRowTicked(TableView*, IndexPath path, bool ticked) override {
        reports.push_back({path.row, ticked});
        if (ticked && std::count(ticks.begin(), ticks.end(), true) >= limit) {
            return;
        }
        ticks[size_t(path.row)] = ticked;
    }

    std::vector<bool> ticks;
    std::vector<std::pair<int, bool>> reports;
    long limit = 1 << 20;
};

struct EditingTable : ::testing::Test {
    TickingSource source{1000};
    QWidget window;
    TableView* table = new TableView(TableView::Style::Plain, &window);
    QSignalSpy selected{table, &TableView::rowSelected};

    void SetUp() override {
        window.resize(375, 667);
        table->setGeometry(window.rect());
        table->setDataSource(&source);
        table->reloadData();
        table->setEditing(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    TableCell* row(int r) const { return table->cellForRow({0, r}); }
    QList<QWidget*> shownTickMarks() const {
        QList<QWidget*> shown;
        for (QWidget* mark : table->viewport()->findChildren<QWidget*>("tickMark")) {
            if (mark->isVisible()) {
                shown.append(mark);
            }
        }
        return shown;
    }
    // Every row on screen shows the tick its source holds for it.
    void expectTicksFollowTheSource() const {
        for (TableCell* cell : table->visibleCells()) {
            const int r = table->indexPathForCell(cell)->row;
            EXPECT_EQ(cell->isChecked(), source.ticks[size_t(r)]) << "row " << r;
            EXPECT_EQ(static_cast<TextCell*>(cell)->label->text(), QString("0-%1").arg(r));
        }
    }
};

TEST_F(EditingTable, RowsMoveRightOfATickCircleWhileEditingAndBackAfter) {
    const QList<TableCell*> cells = table->visibleCells();
    ASSERT_FALSE(cells.isEmpty());
    const QList<QWidget*> marks = shownTickMarks();
    EXPECT_EQ(marks.size(), cells.size());
    for (TableCell* cell : cells) {
        EXPECT_EQ(cell->x(), TableView::EditingIndent);
        EXPECT_EQ(cell->width(), 375 - TableView::EditingIndent);
        EXPECT_TRUE(cell->isCheckable());
        const auto beside = std::find_if(marks.begin(), marks.end(), [cell](QWidget* mark) {
            return mark->geometry() ==
                   QRect(0, cell->y(), TableView::EditingIndent, cell->height());
        });
        EXPECT_NE(beside, marks.end()) << "no tick circle beside the row at " << cell->y();
    }

    table->setEditing(false);
    for (TableCell* cell : table->visibleCells()) {
        EXPECT_EQ(cell->geometry().left(), 0);
        EXPECT_EQ(cell->width(), 375);
        EXPECT_FALSE(cell->isCheckable());
        EXPECT_FALSE(cell->isChecked());
    }
    EXPECT_TRUE(shownTickMarks().isEmpty());
}

TEST_F(EditingTable, ATouchOnTheRowOrItsCircleTicksThroughTheSourceInsteadOfSelecting) {
    QTest::mouseClick(row(1), Qt::LeftButton);
    EXPECT_TRUE(source.ticks[1]);
    EXPECT_TRUE(row(1)->isChecked());

    QWidget* circle = table->viewport()->childAt(TableView::EditingIndent / 2, row(1)->y() + 50);
    ASSERT_NE(circle, nullptr);
    ASSERT_EQ(circle->objectName(), "tickMark");
    QTest::mouseClick(circle, Qt::LeftButton);
    EXPECT_FALSE(source.ticks[1]);
    EXPECT_FALSE(row(1)->isChecked());

    EXPECT_EQ(source.reports, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
    EXPECT_TRUE(selected.isEmpty());

    table->setEditing(false);
    QTest::mouseClick(row(1), Qt::LeftButton);
    EXPECT_EQ(selected.size(), 1);
    EXPECT_FALSE(source.ticks[1]);
}

TEST_F(EditingTable, ATickTheSourceRefusesStaysOff) {
    source.limit = 1;
    QTest::mouseClick(row(0), Qt::LeftButton);
    QTest::mouseClick(row(2), Qt::LeftButton);
    EXPECT_TRUE(row(0)->isChecked());
    EXPECT_FALSE(row(2)->isChecked());
    EXPECT_FALSE(source.ticks[2]);
}

TEST_F(EditingTable, ReusedRowWidgetsShowTheTicksOfTheirNewRows) {
    for (int r : {0, 3, 5}) {
        QTest::mouseClick(row(r), Qt::LeftButton);
    }
    source.ticks[500] = true;
    source.ticks[999] = true;

    // Step through all thousand rows; the few row widgets pass through ticked and unticked rows.
    for (int y = 0; y <= table->maximumContentOffset(); y += 373) {
        table->setContentOffset(y);
        expectTicksFollowTheSource();
    }
    table->setContentOffset(table->maximumContentOffset());
    ASSERT_NE(row(999), nullptr);
    EXPECT_TRUE(row(999)->isChecked());
    EXPECT_FALSE(row(998)->isChecked());
    EXPECT_LE(source.created, 9);

    table->scrollToTop(false);
    expectTicksFollowTheSource();
    EXPECT_TRUE(row(3)->isChecked());
    EXPECT_FALSE(row(4)->isChecked());

    // Ticking everything from the screen shows once the table reloads.
    std::fill(source.ticks.begin(), source.ticks.end(), true);
    table->reloadData();
    expectTicksFollowTheSource();
    EXPECT_TRUE(row(4)->isChecked());
}

TEST_F(EditingTable, AssistiveTechnologyHearsANamedCheckBoxAndCanToggleIt) {
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(row(2));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::CheckBox);
    EXPECT_EQ(item->text(QAccessible::Name), "0-2");
    EXPECT_TRUE(item->state().checkable);
    EXPECT_FALSE(item->state().checked);

    ASSERT_NE(item->actionInterface(), nullptr);
    EXPECT_TRUE(item->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(source.ticks[2]);
    EXPECT_TRUE(item->state().checked);

    table->setEditing(false);
    EXPECT_EQ(item->role(), QAccessible::Button);
    EXPECT_FALSE(item->state().checkable);
}

} // namespace
