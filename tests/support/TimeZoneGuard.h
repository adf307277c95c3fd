#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <time.h>

// Sets the process time zone (a TZ value such as "UTC" or "CST-8") while it lives and puts the
// previous one back after, so texts made from times do not depend on the machine.
class TimeZoneGuard {
public:
    explicit TimeZoneGuard(const char* zone)
        : old_(qgetenv("TZ")), hadOld_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneGuard() {
        if (hadOld_) {
            qputenv("TZ", old_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    TimeZoneGuard(const TimeZoneGuard&) = delete;
    TimeZoneGuard& operator=(const TimeZoneGuard&) = delete;

private:
    QByteArray old_;
    bool hadOld_;
};
