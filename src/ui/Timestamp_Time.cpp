#include "ui/Timestamp_Time.h"

#include "platform/Clock.h"

#include <QDateTime>
#include <cmath>

namespace {

QDateTime localInstant(double milliseconds) {
    // Fractions of a millisecond mean nothing to the service; a value that is not a number
    // reads as the start of 1970 rather than an undefined conversion.
    const qint64 ms = std::isfinite(milliseconds) ? static_cast<qint64>(milliseconds) : 0;
    return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime();
}

QDateTime nowPlusDays(qint64 days) {
    return QDateTime::fromMSecsSinceEpoch(Clock::nowMs()).toLocalTime().addSecs(days * 86400);
}

} // namespace

QString Timestamp_Time::timestampConversionTimeWithTimeStr(double milliseconds) {
    return localInstant(milliseconds).toString(dateFormatter());
}

QString Timestamp_Time::mmDdTimeWithTimestamp(double milliseconds) {
    return localInstant(milliseconds).toString(mmDateFormatter());
}

QString Timestamp_Time::stringWithDateDay(qint64 days) {
    return nowPlusDays(days).toString(dateFormatter());
}

QString Timestamp_Time::ymdStringWithDateDay(qint64 days) {
    return nowPlusDays(days).toString(ymdDateFormatter());
}
