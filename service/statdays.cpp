#include "statdays.h"

#include "requestrules.h"
#include "store.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

QDate localDate(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).date();
}

qint64 midnight(const QDate& date) {
    return date.startOfDay().toMSecsSinceEpoch();
}

// What the orders store says about each day of a window, and on which days anything happened.
struct OrderDays {
    QHash<QDate, StatDay> figures;
    QSet<QDate> active;

    StatDay& at(qint64 ms) {
        const QDate date = localDate(ms);
        active.insert(date);
        return figures[date];
    }
};

OrderDays readOrderDays(Store& store, qint64 shopId, qint64 from, qint64 to) {
    OrderDays days;
    QSqlQuery placed = store.run("SELECT posttime FROM orders WHERE shop_id = ? AND posttime >= ?"
                                 " AND posttime < ?",
                                 {shopId, from, to});
    while (placed.next()) {
        ++days.at(placed.value(0).toLongLong()).totalOrders;
    }
    QSqlQuery paid = store.run("SELECT payment_time, amount FROM orders WHERE shop_id = ?"
                               " AND payment_time >= ? AND payment_time < ?",
                               {shopId, from, to});
    while (paid.next()) {
        StatDay& day = days.at(paid.value(0).toLongLong());
        ++day.tradeOrders;
        day.amount += paid.value(1).toDouble();
    }
    QSqlQuery changes =
        store.run("SELECT h.status, h.posttime, h.refund_amount FROM order_history h"
                  " JOIN orders o ON o.order_id = h.order_id WHERE o.shop_id = ?"
                  " AND h.posttime >= ? AND h.posttime < ?",
                  {shopId, from, to});
    while (changes.next()) {
        StatDay& day = days.at(changes.value(1).toLongLong());
        const QString status = changes.value(0).toString();
        const double refund = changes.value(2).toDouble();
        if (status == "deliver") {
            ++day.sendOrders;
        } else if (status == "closed" && refund > 0) {
            ++day.refundOrders;
            day.amount -= refund;
        }
    }
    return days;
}

QDate dateOf(const QVariant& ms) {
    return ms.isNull() ? QDate() : localDate(ms.toLongLong());
}

} // namespace

StatDay syntheticStatDay(const QDate& date) {
    const qint64 day = date.toJulianDay();
    const quint32 mix = quint32(day) * 2654435761u;
    const qint64 wave = day % 56 < 28 ? day % 56 : 56 - day % 56;
    const bool weekend = date.dayOfWeek() >= 6;
    StatDay figures;
    figures.postdate = midnight(date);
    figures.userCount = 70 + wave + (mix >> 16) % 23 + (weekend ? 25 : 0);
    figures.pageview = figures.userCount * 3 + (mix >> 8) % 40;
    figures.totalOrders = 1 + (mix >> 4) % 4 + (weekend ? 1 : 0);
    figures.tradeOrders = figures.totalOrders * 4 / 5;
    figures.sendOrders = std::max<qint64>(0, figures.tradeOrders - ((mix >> 12) % 3 == 0));
    figures.refundOrders = (mix >> 20) % 9 == 0 ? 1 : 0;
    figures.amount = cents(double(figures.tradeOrders) * (90 + (mix >> 24) % 90 + 0.45));
    return figures;
}

QList<StatDay> readStatDays(Store& store, qint64 shopId, const QDate& first, const QDate& last) {
    const qint64 from = midnight(first);
    const qint64 to = midnight(last.addDays(1));
    QHash<QDate, StatDay> stored;
    QSqlQuery rows =
        store.run("SELECT postdate, user_count, pageview, total_order_count, trade_order_count,"
                  " send_order_count, refund_order_count, amount FROM stat_days WHERE shop_id = ?"
                  " AND postdate >= ? AND postdate < ?",
                  {shopId, from, to});
    while (rows.next()) {
        const StatDay day{rows.value(0).toLongLong(), rows.value(1).toLongLong(),
                          rows.value(2).toLongLong(), rows.value(3).toLongLong(),
                          rows.value(4).toLongLong(), rows.value(5).toLongLong(),
                          rows.value(6).toLongLong(), rows.value(7).toDouble()};
        stored.insert(localDate(day.postdate), day);
    }
    const QDate lastRecorded =
        dateOf(store.scalar("SELECT MAX(postdate) FROM stat_days WHERE shop_id = ?", {shopId}));
    const bool hasHistory = lastRecorded.isValid();
    const QDate firstOrder =
        dateOf(store.scalar("SELECT MIN(posttime) FROM orders WHERE shop_id = ?", {shopId}));
    const OrderDays orders = readOrderDays(store, shopId, from, to);

    QList<StatDay> days;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        StatDay day = stored.contains(date) ? stored.value(date)
                      : hasHistory          ? syntheticStatDay(date)
                                            : StatDay{};
        const bool recorded =
            firstOrder.isValid() && date >= firstOrder && (!hasHistory || date <= lastRecorded);
        if (recorded || orders.active.contains(date)) {
            const StatDay fromOrders = orders.figures.value(date);
            day.totalOrders = fromOrders.totalOrders;
            day.tradeOrders = fromOrders.tradeOrders;
            day.sendOrders = fromOrders.sendOrders;
            day.refundOrders = fromOrders.refundOrders;
            day.amount = cents(fromOrders.amount);
        }
        day.postdate = midnight(date);
        days.append(day);
    }
    return days;
}
