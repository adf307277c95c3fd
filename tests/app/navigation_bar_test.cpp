#include "app/RCNavigationbar.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The slots sit where the bar's layout file puts them, whatever the screen's width.
TEST(NavigationBar, SlotsFollowTheLayoutFileAtAnyWidth) {
    for (int width : {375, 320}) {
        QWidget screen;
        screen.resize(width, 667);
        RCNavigationbar* bar = RCNavigationbar::navigationbar(&screen);
        EXPECT_EQ(bar->geometry(), QRect(0, 0, width, 64));
        EXPECT_EQ(bar->left0->geometry(), QRect(0, 20, 44, 44));
        EXPECT_EQ(bar->left1->geometry(), QRect(44, 20, 44, 44));
        EXPECT_EQ(bar->right0->geometry(), QRect(width - 76, 20, 76, 44));
        EXPECT_EQ(bar->right1->geometry(), QRect(width - 120, 20, 44, 44));
        EXPECT_EQ(bar->titleView->geometry(), QRect(100, 20, width - 200, 44));
    }
}

} // namespace
