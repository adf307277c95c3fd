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

namespace {

// On a 2x screen the hairline is exactly the bar's last device row: 0.5 point at y 63.5.
TEST(NavigationBar, TheSeparatorIsHalfAPointAtTheBarsFoot) {
    QWidget screen;
    screen.resize(375, 100);
    RCNavigationbar* bar = RCNavigationbar::navigationbar(&screen);
    QImage image(bar->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    bar->render(&image);
    const QColor line(216, 216, 216);
    EXPECT_EQ(image.pixelColor(100, 127), line);
    EXPECT_EQ(image.pixelColor(100, 126), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 125), QColor(Qt::white));
}

} // namespace
