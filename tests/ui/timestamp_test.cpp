#include "platform/Clock.h"
#include "support/TimeZoneGuard.h"
#include "ui/Timestamp_Time.h"

#include <QDateTime>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

// Eight hours east of GMT, no daylight saving.
constexpr const char* kEast8 = "CST-8";
// Five hours west of GMT with daylight saving from the second Sunday of March to the first
// Sunday of November.
constexpr const char* kNewYork = "EST5EDT,M3.2.0,M11.1.0";

qint64 utcMs(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC).toMSecsSinceEpoch();
}

TEST(Timestamp, ZeroIsTheStartOf1970InLocalTime) {
    const TimeZoneGuard zone(kEast8);
    EXPECT_EQ(Timestamp_Time::timestampConversionTimeWithTimeStr(0), "1970-01-01 08:00:00");
    EXPECT_EQ(Timestamp_Time::mmDdTimeWithTimestamp(0), "01-01");
}

TEST(Timestamp, YearEndShowsTheInstantsOwnCalendarYear) {
    const TimeZoneGuard zone(kEast8);
    struct Case {
        qint64 ms;
        const char* dateTime;
        const char* monthDay;
    };
    const Case cases[] = {
        // 2018-12-31 is a Monday: its week belongs to week-year 2019.
        {utcMs(2018, 12, 30, 16, 0, 0), "2018-12-31 00:00:00", "12-31"},
        {utcMs(2020, 12, 31, 15, 59, 59), "2020-12-31 23:59:59", "12-31"},
        // 2021-01-01 is a Friday: its week belongs to week-year 2020.
        {utcMs(2020, 12, 31, 16, 0, 0), "2021-01-01 00:00:00", "01-01"},
        {utcMs(2016, 5, 18, 1, 12, 12), "2016-05-18 09:12:12", "05-18"},
        {utcMs(2016, 3, 5, 4, 0, 0), "2016-03-05 12:00:00", "03-05"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Timestamp_Time::timestampConversionTimeWithTimeStr(double(c.ms)), c.dateTime);
        EXPECT_EQ(Timestamp_Time::mmDdTimeWithTimestamp(double(c.ms)), c.monthDay);
    }
}

TEST(Timestamp, DaysFromNowFollowTheClock) {
    const TimeZoneGuard zone(kEast8);
    Clock::useTestClock(QDateTime(QDate(2016, 5, 18), QTime(9, 12, 12)));
    EXPECT_EQ(Timestamp_Time::stringWithDateDay(0), "2016-05-18 09:12:12");
    EXPECT_EQ(Timestamp_Time::stringWithDateDay(-7), "2016-05-11 09:12:12");
    EXPECT_EQ(Timestamp_Time::ymdStringWithDateDay(-30), "2016-04-18");
    EXPECT_EQ(Timestamp_Time::ymdStringWithDateDay(1), "2016-05-19");
    Clock::useRealClock();
}

TEST(Timestamp, DaylightSavingChangeShiftsTheShownHour) {
    const TimeZoneGuard zone(kNewYork);
    // 2016-03-20 12:00 EDT; thirty whole days earlier lies before the change of 13 March.
    Clock::useTestClock(QDateTime::fromMSecsSinceEpoch(utcMs(2016, 3, 20, 16, 0, 0)));
    EXPECT_EQ(Timestamp_Time::stringWithDateDay(0), "2016-03-20 12:00:00");
    EXPECT_EQ(Timestamp_Time::stringWithDateDay(-30), "2016-02-19 11:00:00");
    Clock::useRealClock();
}

} // namespace
