#pragma once

#include <QString>
#include <QStringList>

// The periods a statistics page can show: the last 7, 30 or 180 days, today included.
class StatsPeriod {
public:
    static constexpr int kCount = 3;

    // "最近7天", "最近30天", "最近180天"
    static QStringList titles();
    // 7, 30 or 180; an index out of range reads as the first period.
    static int days(int index);
    // The first day of the period as "yyyy-MM-dd": today's calendar date less N − 1 days. A
    // calendar step, not N − 1 times 24 hours, so that a daylight-saving change inside the
    // window neither adds nor drops a day.
    static QString startTime(int index);
    // Now, as "yyyy-MM-dd HH:mm:ss".
    static QString endTime();
};
