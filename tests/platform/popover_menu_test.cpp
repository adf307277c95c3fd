#include "platform/PhoneWindow.h"
#include "platform/PopoverMenu.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A phone window with a "more" button at the top right and one at the bottom.
struct MenuWindow {
    MenuWindow() : top(new QPushButton("更多", &window)), bottom(new QPushButton("底部", &window)) {
        window.resize(375, 667);
        top->setGeometry(331, 20, 44, 44);
        bottom->setGeometry(20, 620, 44, 44);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    QPushButton* top;
    QPushButton* bottom;
};

TEST(PopoverMenu, ChoosingAnEntryReportsItAndCloses) {
    MenuWindow shown;
    std::optional<std::pair<int, QString>> chosen;
    QPointer<PopoverMenu> menu = PopoverMenu::showFrom(shown.top, {"评论管理", "刷新"},
                                                       [&](int index, const QString& entry) {
                                                           chosen = {index, entry};
                                                       });
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->isVisible());
    QPushButton* second = shown.window.findChild<QPushButton*>("popoverEntry1");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text(), "刷新");

    QTest::mouseClick(second, Qt::LeftButton);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->first, 1);
    EXPECT_EQ(chosen->second, "刷新");
    EXPECT_FALSE(menu->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu);
}

TEST(PopoverMenu, ATouchOutsideOrEscapeClosesWithoutChoosing) {
    MenuWindow shown;
    int chosen = 0;
    for (bool escape : {false, true}) {
        QPointer<PopoverMenu> menu =
            PopoverMenu::showFrom(shown.top, {"批量管理"}, [&](int, const QString&) { ++chosen; });
        ASSERT_TRUE(menu);
        if (escape) {
            QTest::keyClick(menu, Qt::Key_Escape);
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(50, 400));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(menu);
    }
    EXPECT_EQ(chosen, 0);
}

TEST(PopoverMenu, TheMenuPointsAtItsAnchorAndStaysInsideTheWindow) {
    MenuWindow shown;
    PopoverMenu* below = PopoverMenu::showFrom(shown.top, {"评论管理"}, nullptr);
    ASSERT_NE(below, nullptr);
    EXPECT_GT(below->menuRect().top(), shown.top->geometry().bottom());
    EXPECT_LE(below->menuRect().right(), 375);
    EXPECT_TRUE(shown.window.rect().contains(below->menuRect()));
    below->dismiss();

    PopoverMenu* above = PopoverMenu::showFrom(shown.bottom, {"一", "二", "三"}, nullptr);
    ASSERT_NE(above, nullptr);
    EXPECT_LT(above->menuRect().bottom(), shown.bottom->geometry().top());
    EXPECT_EQ(above->menuRect().height(), 3 * PopoverMenu::EntryHeight);
    EXPECT_GE(above->menuRect().left(), 0);
    above->dismiss();

    EXPECT_EQ(PopoverMenu::showFrom(shown.top, {}, nullptr), nullptr);
}

TEST(PopoverMenu, InThePhoneWindowItLiesUnderTheToasts) {
    PhoneWindow window;
    auto* root = new QWidget;
    auto* more = new QPushButton("更多", root);
    more->setGeometry(331, 20, 44, 44);
    window.setRoot(root);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* toast = new QLabel("保存成功");
    window.addOverlay(toast, PhoneWindow::Layer::Toast);
    toast->setGeometry(100, 300, 175, 40);
    toast->show();

    PopoverMenu* menu = PopoverMenu::showFrom(more, {"评论管理"}, nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->parentWidget(), &window);
    EXPECT_EQ(window.childAt(150, 320), toast);
    EXPECT_EQ(window.childAt(20, 600), menu);
}

} // namespace
