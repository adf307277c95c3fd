#include "stats/StatsPeriod.h"

#include "platform/Clock.h"
#include "ui/Timestamp_Time.h"

namespace {
constexpr int kDays[StatsPeriod::kCount] = {7, 30, 180};
}

QStringList StatsPeriod::titles() {
    return {QStringLiteral("最近7天"), QStringLiteral("最近30天"), QStringLiteral("最近180天")};
}

int StatsPeriod::days(int index) {
    return index >= 0 && index < kCount ? kDays[index] : kDays[0];
}

QString StatsPeriod::startTime(int index) {
    const QDate today = QDateTime::fromMSecsSinceEpoch(Clock::nowMs()).toLocalTime().date();
    return today.addDays(-(days(index) - 1)).toString(Timestamp_Time::ymdDateFormatter());
}

QString StatsPeriod::endTime() {
    return Timestamp_Time::stringWithDateDay(0);
}
