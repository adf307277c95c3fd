#include "platform/Clock.h"

#include "Printers.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QDateTime start(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC);

class ClockTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::useTestClock(start); }
    void TearDown() override { Clock::useRealClock(); }
};
} // namespace

TEST_F(ClockTest, NowFollowsTheTestClock) {
    EXPECT_EQ(Clock::nowMs(), start.toMSecsSinceEpoch());
    Clock::advance(90'000);
    EXPECT_EQ(Clock::now(), start.addSecs(90));
    Clock::useRealClock();
    EXPECT_NEAR(double(Clock::nowMs()), double(QDateTime::currentMSecsSinceEpoch()), 1000.0);
}

TEST_F(ClockTest, RepeatingAndOneShotTimersFireOnTime) {
    Timer repeating;
    Timer once;
    QList<qint64> ticks;
    int onceFired = 0;
    QObject::connect(&repeating, &Timer::timeout, [&] { ticks.append(Clock::nowMs()); });
    QObject::connect(&once, &Timer::timeout, [&] { ++onceFired; });
    repeating.start(1000, true);
    once.start(2500, false);

    Clock::advance(999);
    EXPECT_TRUE(ticks.isEmpty());
    Clock::advance(4001);
    const qint64 t0 = start.toMSecsSinceEpoch();
    EXPECT_EQ(ticks, (QList<qint64>{t0 + 1000, t0 + 2000, t0 + 3000, t0 + 4000, t0 + 5000}));
    EXPECT_EQ(onceFired, 1);
    EXPECT_FALSE(once.isActive());
    EXPECT_TRUE(repeating.isActive());

    repeating.stop();
    Clock::advance(10'000);
    EXPECT_EQ(ticks.size(), 5);
}

TEST_F(ClockTest, DueTimersFireInDueOrderWithinOneAdvance) {
    Timer late;
    Timer early;
    Timer tied;
    QStringList order;
    QObject::connect(&late, &Timer::timeout, [&] { order << "late"; });
    QObject::connect(&early, &Timer::timeout, [&] { order << "early"; });
    QObject::connect(&tied, &Timer::timeout, [&] { order << "tied"; });
    late.start(300, false);
    early.start(100, false);
    tied.start(300, false);
    Clock::advance(1000);
    EXPECT_EQ(order, (QStringList{"early", "late", "tied"}));
}

TEST_F(ClockTest, TimerRestartedFromItsOwnTimeoutKeepsGoing) {
    Timer timer;
    int fired = 0;
    QObject::connect(&timer, &Timer::timeout, [&] {
        if (++fired < 3) {
            timer.start(500, false);
        }
    });
    timer.start(500, false);
    Clock::advance(5000);
    EXPECT_EQ(fired, 3);
}

TEST_F(ClockTest, SingleShotRunsOnceUnlessItsContextIsGone) {
    auto alive = std::make_unique<QObject>();
    auto doomed = std::make_unique<QObject>();
    int aliveRuns = 0;
    int doomedRuns = 0;
    Timer::singleShot(200, alive.get(), [&] { ++aliveRuns; });
    Timer::singleShot(200, doomed.get(), [&] { ++doomedRuns; });
    doomed.reset();
    Clock::advance(1000);
    EXPECT_EQ(aliveRuns, 1);
    EXPECT_EQ(doomedRuns, 0);
}

TEST_F(ClockTest, RunningTimerMovesBetweenClocksWithItsRemainingTime) {
    Clock::useRealClock();
    Timer timer;
    int fired = 0;
    QObject::connect(&timer, &Timer::timeout, [&] { ++fired; });
    timer.start(60'000, false);
    Clock::useTestClock(start);
    Clock::advance(59'000);
    EXPECT_EQ(fired, 0);
    Clock::advance(1'000);
    EXPECT_EQ(fired, 1);
}
