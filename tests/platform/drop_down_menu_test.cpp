#include "Printers.h"
#include "platform/DropDownMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A phone-sized screen with a list filling it and the menu under a 64-point top bar, as the
// search screens lay it out.
struct MenuScreen : ::testing::Test {
    QWidget screen;
    QWidget* list = new QWidget(&screen);
    DropDownMenu* menu = new DropDownMenu(&screen);
    QSignalSpy chosen{menu, &DropDownMenu::rowChosen};

    void SetUp() override {
        screen.resize(375, 667);
        list->setGeometry(0, 0, 375, 667);
        menu->setGeometry(0, 64, 375, DropDownMenu::Height);
        menu->setColumns({{"支付时间", {"支付时间", "下单时间"}},
                          {"7天", {"7天", "30天", "90天", "180天", "365天"}},
                          {"商品名称", {"商品名称", "订单号", "收货人姓名", "收货人电话"}}});
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    }

    QAbstractButton* title(int column) const { return menu->titleButton(column); }
    void touch(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    }
    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(MenuScreen, TheBarSplitsItsWidthIntoEqualTitledColumns) {
    ASSERT_EQ(menu->columnCount(), 3);
    EXPECT_EQ(title(0)->geometry(), QRect(0, 0, 125, 44));
    EXPECT_EQ(title(1)->geometry(), QRect(125, 0, 125, 44));
    EXPECT_EQ(title(2)->geometry(), QRect(250, 0, 125, 44));
    EXPECT_EQ(title(1)->text(), "7天");
    EXPECT_EQ(menu->openColumn(), -1);
    EXPECT_EQ(menu->droppedPanel(), nullptr);
}

TEST_F(MenuScreen, TouchingATitleDropsItsRowsOverADimmedBackdropWithTheChosenOneMarked) {
    menu->setColumns({{"开始时间", {"7天", "30天", "90天"}, 1}, {"商品名称", {"商品名称"}, -1}});
    touch(title(0));
    ASSERT_EQ(menu->openColumn(), 0);
    QWidget* panel = menu->droppedPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    // The backdrop covers everything under the bar, above the list.
    EXPECT_EQ(panel->geometry(), QRect(0, 108, 375, 667 - 108));
    EXPECT_EQ(screen.childAt(200, 600), panel);
    for (int row = 0; row < 3; ++row) {
        QAbstractButton* button = menu->rowButton(row);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), QRect(0, row * 44, 375, 44));
        EXPECT_EQ(button->isChecked(), row == 1) << row;
    }
    EXPECT_EQ(menu->rowButton(1)->text(), "30天");
    EXPECT_EQ(menu->rowButton(3), nullptr);
    EXPECT_TRUE(chosen.isEmpty());

    touch(title(1));
    ASSERT_EQ(menu->openColumn(), 1);
    EXPECT_FALSE(menu->rowButton(0)->isChecked());
}

TEST_F(MenuScreen, ChoosingARowClosesRetitlesTheColumnAndReportsItOnce) {
    touch(title(2));
    QPointer<QWidget> panel = menu->droppedPanel();
    touch(menu->rowButton(1));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2);
    EXPECT_EQ(chosen.at(0).at(1).toInt(), 1);
    EXPECT_EQ(menu->openColumn(), -1);
    EXPECT_EQ(title(2)->text(), "订单号");
    EXPECT_EQ(menu->title(2), "订单号");
    EXPECT_EQ(menu->chosenRow(2), 1);
    flushDeletes();
    EXPECT_FALSE(panel);
    EXPECT_EQ(screen.childAt(200, 600), list);

    // Opened again, the column marks the row chosen last; other columns kept theirs.
    touch(title(2));
    EXPECT_TRUE(menu->rowButton(1)->isChecked());
    EXPECT_FALSE(menu->rowButton(0)->isChecked());
    EXPECT_EQ(menu->chosenRow(0), 0);
    EXPECT_EQ(chosen.size(), 1);
}

TEST_F(MenuScreen, ChoosingTheRowAlreadyChosenStillReports) {
    touch(title(1));
    touch(menu->rowButton(0));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(1).toInt(), 0);
}

TEST_F(MenuScreen, TheBackdropTheSameTitleOrEscapeCloseWithoutAChoice) {
    struct Case {
        const char* name;
        std::function<void(MenuScreen&)> close;
    };
    const Case cases[] = {
        {"backdrop",
         [](MenuScreen& s) {
             QWidget* panel = s.menu->droppedPanel();
             s.touch(panel, QPoint(200, panel->height() - 20));
         }},
        {"same title", [](MenuScreen& s) { s.touch(s.title(1)); }},
        {"escape", [](MenuScreen& s) { QTest::keyClick(s.menu->droppedPanel(), Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        touch(title(1));
        ASSERT_EQ(menu->openColumn(), 1) << c.name;
        QPointer<QWidget> panel = menu->droppedPanel();
        c.close(*this);
        EXPECT_EQ(menu->openColumn(), -1) << c.name;
        flushDeletes();
        EXPECT_FALSE(panel) << c.name;
        EXPECT_EQ(title(1)->text(), "7天") << c.name;
        EXPECT_EQ(menu->chosenRow(1), 0) << c.name;
    }
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(MenuScreen, TitlesAndRowsAreButtonsAssistiveTechnologyCanPress) {
    QAccessibleInterface* titleItem = QAccessible::queryAccessibleInterface(title(2));
    ASSERT_NE(titleItem, nullptr);
    EXPECT_EQ(titleItem->text(QAccessible::Name), "商品名称");
    ASSERT_NE(titleItem->actionInterface(), nullptr);
    // A button pressed by assistive technology clicks once its press has been shown.
    titleItem->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return menu->openColumn() == 2; }));

    QAccessibleInterface* rowItem = QAccessible::queryAccessibleInterface(menu->rowButton(3));
    ASSERT_NE(rowItem, nullptr);
    EXPECT_EQ(rowItem->text(QAccessible::Name), "收货人电话");
    EXPECT_TRUE(rowItem->state().checkable);
    EXPECT_FALSE(rowItem->state().checked);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(menu->rowButton(0))->state().checked);
    rowItem->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !chosen.isEmpty(); }));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(1).toInt(), 3);
    // The title announces what it now shows.
    EXPECT_EQ(titleItem->text(QAccessible::Name), "收货人电话");
}

TEST_F(MenuScreen, ClosingTheScreenOrReplacingTheColumnsTakesTheRowsAway) {
    touch(title(0));
    QPointer<QWidget> panel = menu->droppedPanel();
    menu->setColumns({{"开始时间", {"7天"}}});
    EXPECT_EQ(menu->openColumn(), -1);
    EXPECT_EQ(menu->columnCount(), 1);
    flushDeletes();
    EXPECT_FALSE(panel);

    touch(title(0));
    panel = menu->droppedPanel();
    screen.hide();
    EXPECT_EQ(menu->openColumn(), -1);
    flushDeletes();
    EXPECT_FALSE(panel);
    EXPECT_TRUE(chosen.isEmpty());
}

} // namespace
