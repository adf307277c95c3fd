#include "requestrules.h"
#include "shopservice.h"

#include <QDateTime>

namespace {

constexpr qint64 kDayMs = 24LL * 3600 * 1000;
constexpr qint64 kAuthorisationLifetimeMs = 30LL * 60 * 1000;

QJsonObject bindingJson(const QSqlQuery& row) {
    return QJsonObject{{"channel_id", row.value(0).toString()},
                       {"channel_name", row.value(1).toString()},
                       {"account", row.value(2).toString()},
                       {"posttime", row.value(3).toString()}};
}

} // namespace

QJsonObject ShopService::moneySummary(qint64 shopId) {
    const double total =
        m_store.scalar("SELECT COALESCE(SUM(income), 0) FROM trades WHERE shop_id = ?", {shopId})
            .toDouble();
    const double unbalanced =
        m_store
            .scalar("SELECT COALESCE(SUM(t.income), 0) FROM trades t JOIN orders o"
                    " ON o.order_id = t.order_id WHERE t.shop_id = ?"
                    " AND o.status IN ('payment-done', 'deliver', 'receive')",
                    {shopId})
            .toDouble();
    return QJsonObject{{"total", cents(total)},
                       {"balance", cents(total - unbalanced)},
                       {"unbalanced", cents(unbalanced)}};
}

Outcome ShopService::homepage(const Call& call) {
    const qint64 today = dayStart(nowMs());
    const qint64 yesterday = dayStart(today - kDayMs / 2);
    auto count = [this, &call](const QString& condition, const QVariantList& values = {}) {
        QVariantList bound{call.shopId};
        bound.append(values);
        return m_store
            .scalar("SELECT COUNT(*) FROM orders WHERE shop_id = ? AND " + condition, bound)
            .toLongLong();
    };
    const QString sent = "status IN ('deliver', 'receive', 'balance', 'comment')";
    const QString paid = "payment_time IS NOT NULL";
    const QVariantList yesterdayRange{yesterday, today};
    const qint64 yesterdayAmount =
        qint64(m_store
                   .scalar("SELECT COALESCE(SUM(amount), 0) FROM orders WHERE shop_id = ?"
                           " AND payment_time >= ? AND payment_time < ?",
                           {call.shopId, yesterday, today})
                   .toDouble());
    const QJsonObject dayList{
        {"postdate", QString::number(yesterday)},
        {"total_order_count", count("posttime >= ? AND posttime < ?", yesterdayRange)},
        {"trade_order_count", count("payment_time >= ? AND payment_time < ?", yesterdayRange)},
        {"send_order_count", count(sent + " AND posttime >= ? AND posttime < ?", yesterdayRange)},
        {"refund_order_count",
         count("status = 'closed' AND posttime >= ? AND posttime < ?", yesterdayRange)}};
    const QJsonObject orderStat{
        {"undelivery_order_count", count("status = 'payment-done'")},
        {"rights_order_count", count("rights_status <> ''")},
        {"yesterday_order_count", count("posttime >= ? AND posttime < ?", yesterdayRange)},
        {"yesterday_order_amount", yesterdayAmount},
        {"total_order_count", count("1 = 1")},
        {"trade_order_count", count(paid)},
        {"send_order_count", count(sent)},
        {"day_list", dayList}};
    QJsonArray bindings;
    QSqlQuery binding = m_store.run("SELECT channel_id, channel_name, account, posttime"
                                    " FROM paypal_bindings WHERE shop_id = ?",
                                    {call.shopId});
    while (binding.next()) {
        bindings.append(bindingJson(binding));
    }
    const QJsonArray articles{
        QJsonObject{{"article_id", "1"},
                    {"title", "跨境店铺运营指南：如何提升转化率"},
                    {"url", absoluteUrl("store/index.html?shopId=" + QString::number(call.shopId))},
                    {"posttime", QString::number(today - 3 * kDayMs)}}};
    return done(QJsonObject{{"money", moneySummary(call.shopId)},
                            {"binding_list", bindings},
                            {"article_list", articles},
                            {"order_stat", orderStat}});
}

Outcome ShopService::moneyGet(const Call& call) {
    return done(moneySummary(call.shopId));
}

Outcome ShopService::moneyList(const Call& call) {
    Paging paging;
    if (!readPaging(call, paging)) {
        return refuse("分页参数不正确");
    }
    QStringList clauses{"t.shop_id = ?"};
    QVariantList values{call.shopId};
    if (!addTimeWindow(call, "t.posttime", clauses, values)) {
        return refuse("时间格式不正确");
    }
    if (!call.field("item_name").isEmpty()) {
        clauses.append("EXISTS (SELECT 1 FROM order_items i WHERE i.order_id = t.order_id"
                       " AND i.name LIKE ? ESCAPE '\\')");
        values.append(containsPattern(call.field("item_name")));
    }
    if (!call.field("order_id").isEmpty()) {
        clauses.append("t.order_id LIKE ? ESCAPE '\\'");
        values.append(containsPattern(call.field("order_id")));
    }
    const QString where = clauses.join(" AND ");
    const qint64 total =
        m_store.scalar("SELECT COUNT(*) FROM trades t WHERE " + where, values).toLongLong();
    values << paging.size << paging.start;
    QSqlQuery trades = m_store.run(
        "SELECT trade_id, order_id, trader, posttime, type, source, amount, withhold,"
        " payment_charge, platform_charge, commission, point, point_amount, income, paypal"
        " FROM trades t WHERE " +
            where + " ORDER BY t.posttime DESC, t.trade_id DESC LIMIT ? OFFSET ?",
        values);
    QJsonArray list;
    while (trades.next()) {
        QJsonObject trade{{"trade_id", trades.value(0).toString()},
                          {"order_id", trades.value(1).toString()},
                          {"trader", trades.value(2).toString()},
                          {"posttime", trades.value(3).toLongLong()},
                          {"type", trades.value(4).toString()},
                          {"source", trades.value(5).toString()},
                          {"amount", trades.value(6).toDouble()},
                          {"withhold", trades.value(7).toDouble()},
                          {"payment_charge", trades.value(8).toDouble()},
                          {"platform_charge", trades.value(9).toDouble()},
                          {"commission", trades.value(10).toDouble()},
                          {"point", trades.value(11).toLongLong()},
                          {"point_amount", trades.value(12).toDouble()},
                          {"income", trades.value(13).toDouble()}};
        if (!trades.value(14).isNull()) {
            trade.insert("PayPal", trades.value(14).toString());
        }
        list.append(trade);
    }
    return done(QJsonObject{{"list", list}, {"total", total}});
}

Outcome ShopService::paypalBindingList(const Call& call) {
    QSqlQuery binding = m_store.run("SELECT channel_id, channel_name, account, posttime"
                                    " FROM paypal_bindings WHERE shop_id = ?",
                                    {call.shopId});
    QJsonArray list;
    while (binding.next()) {
        list.append(bindingJson(binding));
    }
    return done(list);
}

Outcome ShopService::paypalAuthorisationUrl(const Call& call) {
    if (m_store.scalar("SELECT COUNT(*) FROM paypal_bindings WHERE shop_id = ?", {call.shopId})
            .toInt() > 0) {
        return refuse("请先解绑再更换账号");
    }
    const QString token = randomToken();
    m_store.run("DELETE FROM paypal_tokens WHERE expires <= ?", {nowMs()});
    m_store.run("INSERT INTO paypal_tokens (token, shop_id, expires) VALUES (?, ?, ?)",
                {token, call.shopId, nowMs() + kAuthorisationLifetimeMs});
    return done(absoluteUrl("paypal/authorize?token=" + token));
}

Outcome ShopService::paypalBindingDelete(const Call& call) {
    if (call.field("channel").compare("Paypal", Qt::CaseInsensitive) != 0) {
        return refuse("不支持的收款渠道");
    }
    if (m_store.scalar("SELECT COUNT(*) FROM paypal_bindings WHERE shop_id = ?", {call.shopId})
            .toInt() == 0) {
        return refuse("尚未绑定收款账户");
    }
    m_store.run("DELETE FROM paypal_bindings WHERE shop_id = ?", {call.shopId});
    return done();
}
