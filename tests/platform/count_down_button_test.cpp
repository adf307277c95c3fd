#include "platform/Clock.h"
#include "platform/CountDownButton.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

class CountDownButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::useTestClock(QDateTime(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC));
        button.setFinishedTitle(QStringLiteral("重新获取"));
        button.setTitleColors(QColor(249, 81, 70), QColor(175, 181, 186));
        button.resize(90, 50);
        screen.show();
    }
    void TearDown() override { Clock::useRealClock(); }

    QWidget screen;
    CountDownButton button{QStringLiteral("获取验证码"), &screen};
};

TEST_F(CountDownButtonTest, CountsWholeSecondsDownThenTakesTouchesAgain) {
    button.start(60);
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.titleColor(), QColor(175, 181, 186));
    EXPECT_EQ(button.text(), "获取验证码") << "the first number comes after one second";
    QStringList shown;
    for (int second = 1; second <= 61; ++second) {
        Clock::advance(1000);
        shown.append(button.text());
    }
    EXPECT_EQ(shown.first(), "59");
    EXPECT_EQ(shown.at(59), "0");
    EXPECT_EQ(shown.last(), "重新获取");
    EXPECT_TRUE(button.isEnabled());
    EXPECT_FALSE(button.isCounting());
    EXPECT_EQ(button.titleColor(), QColor(249, 81, 70));
}

TEST_F(CountDownButtonTest, ALateTickShowsTheTimeReallyLeft) {
    button.start(60);
    // The event loop was busy for 20 seconds: the next tick tells the truth, not 59.
    Clock::advance(20'400);
    EXPECT_EQ(button.text(), "40");
    Clock::advance(40'700);
    EXPECT_EQ(button.text(), "重新获取");
}

TEST_F(CountDownButtonTest, FinishEndsTheCountDownAtOnce) {
    button.start(60);
    Clock::advance(3000);
    button.finish();
    EXPECT_TRUE(button.isEnabled());
    EXPECT_EQ(button.text(), "重新获取");
    Clock::advance(5000);
    EXPECT_EQ(button.text(), "重新获取") << "no tick of the old count-down arrives";
}

TEST_F(CountDownButtonTest, TheNumberIsReadWithWhatItCountsFor) {
    EXPECT_EQ(button.accessibleName(), "获取验证码");
    button.start(60);
    Clock::advance(1000);
    EXPECT_EQ(button.accessibleName(), "获取验证码 59");
    Clock::advance(60'000);
    EXPECT_EQ(button.accessibleName(), "重新获取");
}

TEST_F(CountDownButtonTest, TheTitleShrinksToFitTheWidth) {
    button.setTitlePointSize(15);
    button.resize(40, 50);
    EXPECT_LT(button.font().pixelSize(), 15);
    EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()), 40);
    button.resize(200, 50);
    EXPECT_EQ(button.font().pixelSize(), 15);
}

} // namespace
