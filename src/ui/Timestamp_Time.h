#pragma once

#include <QString>

// Date and time texts of service timestamps and of request date ranges, always in the
// device's time zone. Service timestamps are milliseconds since 1970-01-01 00:00:00 UTC.
class Timestamp_Time {
public:
    // "2016-05-18 09:12:12"
    static QString timestampConversionTimeWithTimeStr(double milliseconds);
    // "05-18"
    static QString mmDdTimeWithTimestamp(double milliseconds);
    // Date-time text of now + days × 86400 seconds (-7: the same clock time seven days ago,
    // unless a daylight-saving change lies in between).
    static QString stringWithDateDay(qint64 days);
    // Date text ("2016-05-18") of now + days × 86400 seconds.
    static QString ymdStringWithDateDay(qint64 days);

    // The three text forms, as Qt date formats. "yyyy" is the calendar year of the instant,
    // so the last days of December never show the next year.
    static QString dateFormatter() { return QStringLiteral("yyyy-MM-dd HH:mm:ss"); }
    static QString ymdDateFormatter() { return QStringLiteral("yyyy-MM-dd"); }
    static QString mmDateFormatter() { return QStringLiteral("MM-dd"); }
};
