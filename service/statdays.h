#pragma once

#include <QDate>
#include <QList>

class Store;

// One local day of a shop's statistics.
struct StatDay {
    qint64 postdate = 0; // local midnight, ms since 1970
    qint64 userCount = 0;
    qint64 pageview = 0;
    qint64 totalOrders = 0;  // placed that day
    qint64 tradeOrders = 0;  // paid that day
    qint64 sendOrders = 0;   // shipped that day
    qint64 refundOrders = 0; // closed with a refund that day
    double amount = 0;       // paid less refunded that day, US dollars
};

// The figures of a day the service holds nothing for, for a shop with a statistics history:
// made from the date alone, so the same day reads the same whenever it is asked for and the
// charts do not drift with the age of the demo data.
StatDay syntheticStatDay(const QDate& date);

// The figures of every local day from first to last, oldest first. Visitors come from the
// stored rows (or synthetic ones where a shop with a history has no row). Order counts and
// revenue come from the orders store on the days it holds: from the shop's first order to its
// last stored statistics day, and every later day on which an order changed.
QList<StatDay> readStatDays(Store& store, qint64 shopId, const QDate& first, const QDate& last);
