#include "platform/PhoneWindow.h"
#include "platform/PickerPopup.h"
#include "platform/Printers.h"
#include "platform/Switch.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct PickerPopupTest : ::testing::Test {
    PhoneWindow window;
    QPushButton* behind = new QPushButton("后面", &window);
    QPointer<PickerPopup> picker = new PickerPopup(2);

    void SetUp() override {
        behind->setGeometry(20, 100, 100, 44);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        picker->setRows(0, {"一", "二", "三", "四", "五", "六", "七", "八"});
        picker->setRows(1, {"甲", "乙"});
        picker->showIn(behind);
    }
    void TearDown() override { delete picker; }

    void touch(int wheel, int row) {
        QListWidget* list = picker->wheel(wheel);
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(PickerPopupTest, LiesAlongTheBottomWithItsToolbarAndLeavesTheRestTouchable) {
    const int height = PickerPopup::ToolbarHeight + PickerPopup::WheelHeight;
    EXPECT_EQ(picker->geometry(), QRect(0, 667 - height, 375, height));
    EXPECT_EQ(picker->cancelButton()->text(), "取消");
    EXPECT_EQ(picker->confirmButton()->text(), "确定");
    EXPECT_EQ(picker->cancelButton()->height(), PickerPopup::ToolbarHeight);
    EXPECT_LT(picker->cancelButton()->x(), picker->confirmButton()->x());
    EXPECT_EQ(picker->wheel(0)->geometry().top(), PickerPopup::ToolbarHeight);
    EXPECT_EQ(picker->wheel(0)->width() + picker->wheel(1)->width(), 375);
    QSignalSpy pressed(behind, &QPushButton::clicked);
    QTest::mouseClick(behind, Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_TRUE(picker->isVisible());
}

TEST_F(PickerPopupTest, WheelsStartOnTheirFirstRowAndReportTheOwnersTurns) {
    QSignalSpy turned(picker.data(), &PickerPopup::rowChanged);
    EXPECT_EQ(picker->selectedRow(0), 0);
    EXPECT_EQ(picker->selectedText(1), "甲");
    touch(0, 5);
    EXPECT_EQ(picker->selectedRow(0), 5);
    EXPECT_EQ(picker->selectedText(0), "六");
    ASSERT_EQ(turned.count(), 1);
    EXPECT_EQ(turned.at(0).at(0).toInt(), 0);
    EXPECT_EQ(turned.at(0).at(1).toInt(), 5);
    // The chosen row stands in the middle band.
    const QRect band = picker->wheel(0)->visualItemRect(picker->wheel(0)->item(5));
    EXPECT_EQ(band.top(), (PickerPopup::WheelHeight - PickerPopup::RowHeight) / 2);
    // Turning from code and replacing rows report nothing.
    picker->selectRow(0, 2);
    picker->setRows(1, {"丙", "丁", "戊"});
    EXPECT_EQ(picker->selectedRow(0), 2);
    EXPECT_EQ(picker->selectedRow(1), 0);
    EXPECT_EQ(turned.count(), 1);
}

TEST_F(PickerPopupTest, AMouseWheelNotchTurnsOneRow) {
    QListWidget* wheel = picker->wheel(0);
    const QPoint centre = wheel->viewport()->rect().center();
    QWheelEvent down(centre, wheel->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(wheel->viewport(), &down);
    EXPECT_EQ(picker->selectedRow(0), 1);
}

TEST_F(PickerPopupTest, RowsAreListItemsThatAssistiveTechnologyCanSelect) {
    QAccessibleInterface* wheel = QAccessible::queryAccessibleInterface(picker->wheel(0));
    ASSERT_NE(wheel, nullptr);
    QAccessibleInterface* item = nullptr;
    for (int i = 0; i < wheel->childCount(); ++i) {
        QAccessibleInterface* child = wheel->child(i);
        if (child && child->role() == QAccessible::ListItem &&
            child->text(QAccessible::Name) == "四") {
            item = child;
        }
    }
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->state().selectable);
    QAccessibleActionInterface* actions = item->actionInterface();
    ASSERT_NE(actions, nullptr);
    QSignalSpy turned(picker.data(), &PickerPopup::rowChanged);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(picker->selectedRow(0), 3);
    EXPECT_EQ(turned.count(), 1);
}

TEST_F(PickerPopupTest, ConfirmReportsWhileTheRowsStandThenCloses) {
    QString seen;
    QObject::connect(picker.data(), &PickerPopup::confirmed,
                     [&] { seen = picker->selectedText(1); });
    QSignalSpy cancelled(picker.data(), &PickerPopup::cancelled);
    touch(1, 1);
    QTest::mouseClick(picker->confirmButton(), Qt::LeftButton);
    EXPECT_EQ(seen, "乙");
    EXPECT_EQ(cancelled.count(), 0);
    flush();
    EXPECT_FALSE(picker);
}

TEST_F(PickerPopupTest, CancelClosesWithoutConfirming) {
    QSignalSpy confirmed(picker.data(), &PickerPopup::confirmed);
    QSignalSpy cancelled(picker.data(), &PickerPopup::cancelled);
    QTest::mouseClick(picker->cancelButton(), Qt::LeftButton);
    picker->dismiss();
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(confirmed.count(), 0);
    flush();
    EXPECT_FALSE(picker);
}

TEST(Switch, IsACheckableControlNamedAfterItsRow) {
    QWidget window;
    auto* toggle = new Switch(&window);
    toggle->setAccessibleName("设为默认收货地址");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy toggled(toggle, &Switch::toggled);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->isChecked());
    toggle->setFocus();
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(toggled.count(), 2);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(toggle);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->text(QAccessible::Name), "设为默认收货地址");
    EXPECT_TRUE(access->state().checkable);
    toggle->setChecked(true);
    EXPECT_TRUE(access->state().checked);
}

} // namespace
