#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

struct Call;

// Paging as the lists send it; absent values mean the first page of ten.
struct Paging {
    int start = 0;
    int size = 10;
};
bool readPaging(const Call& call, Paging& paging);

// A time filter: empty text means no bound. Accepts "yyyy-MM-dd HH:mm:ss",
// "yyyy-MM-dd HH:mm", "yyyy-MM-dd" (local time) or milliseconds since 1970.
// A bare date as an upper bound covers the whole day.
bool readTimeBound(const QString& text, bool upper, qint64& ms);

// Adds "column >= ?" and "column <= ?" for the call's start_time and end_time, where set.
// False when either is not a time.
bool addTimeWindow(const Call& call, const QString& column, QStringList& clauses,
                   QVariantList& values);

// A LIKE pattern that matches `text` anywhere, with the wildcards escaped ('\').
QString containsPattern(const QString& text);

bool isMobileNumber(const QString& text);
bool isValidPassword(const QString& text);
bool isValidSubdomain(const QString& text);
bool isValidPostcode(const QString& text);
bool isValidEmail(const QString& text);
bool readFlag(const QString& text, bool& flag);

QString newSalt();
QString hashPassword(const QString& password, const QString& salt);
QString randomToken();
qint64 nowMs();
double cents(double amount);
// Local midnight of the day that holds `ms`.
qint64 dayStart(qint64 ms);
