#include "regions.h"
#include "requestrules.h"
#include "shopservice.h"
#include "statdays.h"

#include <QDateTime>
#include <cmath>

namespace {

constexpr int kMaxStatDays = 366;

// Where the visitors come from, with their share of every day's figures.
const QList<QPair<QString, double>>& trafficSources() {
    static const QList<QPair<QString, double>> sources{
        {"Facebook", 0.45}, {"Google", 0.30}, {"Instagram", 0.15}, {"直接访问", 0.10}};
    return sources;
}

bool sourceShare(const QString& source, double& share) {
    if (source.isEmpty()) {
        share = 1.0;
        return true;
    }
    for (const auto& [name, part] : trafficSources()) {
        if (name.compare(source, Qt::CaseInsensitive) == 0) {
            share = part;
            return true;
        }
    }
    return false;
}

qint64 scaled(qint64 value, double share) {
    return qint64(std::llround(double(value) * share));
}

QJsonObject addressJson(const QSqlQuery& row) {
    return QJsonObject{
        {"address_id", row.value(0).toString()},     {"name", row.value(1).toString()},
        {"province_id", row.value(2).toString()},    {"province_name", row.value(3).toString()},
        {"city_id", row.value(4).toString()},        {"city_name", row.value(5).toString()},
        {"county", row.value(6).toString()},         {"postcode", row.value(7).toString()},
        {"telephone", row.value(8).toString()},      {"detail_address", row.value(9).toString()},
        {"default_receive", row.value(10).toBool()}, {"default_send", row.value(11).toBool()}};
}

const char* const kAddressColumns =
    "address_id, name, province_id, province_name, city_id, city_name, county, postcode,"
    " telephone, detail_address, default_receive, default_send";

// The figures of every local day of the requested period, oldest first.
bool readStatWindow(Store& store, const Call& call, QList<StatDay>& days, double& share,
                    QString& error) {
    qint64 from = -1;
    qint64 to = -1;
    if (!readTimeBound(call.field("start_time"), false, from) ||
        !readTimeBound(call.field("end_time"), true, to)) {
        error = "时间格式不正确";
        return false;
    }
    if (!sourceShare(call.field("source"), share)) {
        error = "来源不正确";
        return false;
    }
    const QDate last = QDateTime::fromMSecsSinceEpoch(to >= 0 ? to : nowMs()).date();
    const QDate first = from >= 0 ? QDateTime::fromMSecsSinceEpoch(from).date() : last.addDays(-6);
    if (first > last || first.daysTo(last) >= kMaxStatDays) {
        error = "统计区间不正确";
        return false;
    }
    days = ::readStatDays(store, call.shopId, first, last);
    return true;
}

} // namespace

Outcome ShopService::statPageview(const Call& call) {
    QList<StatDay> days;
    double share = 1.0;
    QString error;
    if (!readStatWindow(m_store, call, days, share, error)) {
        return refuse(error);
    }
    qint64 users = 0;
    qint64 views = 0;
    QJsonArray dayList;
    for (const StatDay& day : days) {
        users += scaled(day.userCount, share);
        views += scaled(day.pageview, share);
        dayList.append(QJsonObject{{"postdate", day.postdate},
                                   {"user_count", scaled(day.userCount, share)},
                                   {"pageview", scaled(day.pageview, share)}});
    }
    const QList<QPair<QString, double>> pages{
        {"store/index.html", 0.5}, {"store/item.html", 0.35}, {"store/cart.html", 0.15}};
    QJsonArray pageList;
    for (const auto& [url, part] : pages) {
        pageList.append(QJsonObject{{"url", absoluteUrl(url)},
                                    {"user_count", scaled(users, part)},
                                    {"pageview", scaled(views, part)}});
    }
    QJsonArray sourceList;
    for (const auto& [source, part] : trafficSources()) {
        sourceList.append(QJsonObject{{"source", source}, {"pageview", scaled(views, part)}});
    }
    return done(QJsonObject{{"user_count", users},
                            {"pageview", views},
                            {"day_list", dayList},
                            {"page_list", pageList},
                            {"source_list", sourceList}});
}

Outcome ShopService::statOrder(const Call& call) {
    QList<StatDay> days;
    double share = 1.0;
    QString error;
    if (!readStatWindow(m_store, call, days, share, error)) {
        return refuse(error);
    }
    StatDay sum;
    QJsonArray dayList;
    for (const StatDay& day : days) {
        sum.userCount += scaled(day.userCount, share);
        sum.totalOrders += scaled(day.totalOrders, share);
        sum.tradeOrders += scaled(day.tradeOrders, share);
        sum.sendOrders += scaled(day.sendOrders, share);
        sum.refundOrders += scaled(day.refundOrders, share);
        sum.amount += day.amount * share;
        dayList.append(QJsonObject{{"postdate", day.postdate},
                                   {"total_order_count", scaled(day.totalOrders, share)},
                                   {"trade_order_count", scaled(day.tradeOrders, share)},
                                   {"send_order_count", scaled(day.sendOrders, share)},
                                   {"refund_order_count", scaled(day.refundOrders, share)}});
    }
    auto rate = [](qint64 part, qint64 whole) {
        return whole > 0 ? std::round(10000.0 * double(part) / double(whole)) / 10000.0 : 0.0;
    };
    const QJsonObject conversion{{"visitor_order_rate", rate(sum.totalOrders, sum.userCount)},
                                 {"order_payment_rate", rate(sum.tradeOrders, sum.totalOrders)},
                                 {"visitor_payment_rate", rate(sum.tradeOrders, sum.userCount)}};
    return done(QJsonObject{{"total_order_count", sum.totalOrders},
                            {"trade_order_count", sum.tradeOrders},
                            {"send_order_count", sum.sendOrders},
                            {"refund_order_count", sum.refundOrders},
                            {"posttime", QString::number(nowMs())},
                            {"user_count", sum.userCount},
                            {"visitor_count", sum.userCount},
                            {"order_amount", cents(sum.amount * 1.08)},
                            {"pay_amount", cents(sum.amount)},
                            {"pay_user_count", sum.tradeOrders},
                            {"pay_order_count", sum.tradeOrders},
                            {"item_count", sum.tradeOrders * 2},
                            {"conversion", conversion},
                            {"day_list", dayList}});
}

Outcome ShopService::statRevenue(const Call& call) {
    QList<StatDay> days;
    double share = 1.0;
    QString error;
    if (!readStatWindow(m_store, call, days, share, error)) {
        return refuse(error);
    }
    double amount = 0;
    QJsonArray dayList;
    for (const StatDay& day : days) {
        amount += day.amount * share;
        dayList.append(
            QJsonObject{{"postdate", day.postdate}, {"amount", cents(day.amount * share)}});
    }
    QSqlQuery items = m_store.run(
        "SELECT i.item_id, i.name, SUM(i.amount), COUNT(DISTINCT i.order_id) FROM order_items i"
        " JOIN orders o ON o.order_id = i.order_id WHERE o.shop_id = ?"
        " AND o.payment_time >= ? AND o.payment_time <= ? GROUP BY i.item_id, i.name"
        " ORDER BY SUM(i.amount) DESC LIMIT 10",
        {call.shopId, days.first().postdate, days.last().postdate + 24LL * 3600 * 1000 - 1});
    QJsonArray itemList;
    while (items.next()) {
        itemList.append(QJsonObject{{"item_id", items.value(0).toString()},
                                    {"name", items.value(1).toString()},
                                    {"amount", qint64(items.value(2).toDouble())},
                                    {"order_count", items.value(3).toLongLong()}});
    }
    QJsonArray sourceList;
    for (const auto& [source, part] : trafficSources()) {
        sourceList.append(QJsonObject{{"source", source}, {"amount", cents(amount * part)}});
    }
    return done(QJsonObject{{"amount", cents(amount)},
                            {"day_list", dayList},
                            {"item_list", itemList},
                            {"source_list", sourceList}});
}

Outcome ShopService::messageList(const Call& call) {
    Paging paging;
    if (!readPaging(call, paging)) {
        return refuse("分页参数不正确");
    }
    QSqlQuery messages = m_store.run(
        "SELECT m.message_id, m.content, m.viewed, m.url, m.posttime, m.type, m.order_id,"
        " o.status FROM messages m LEFT JOIN orders o ON o.order_id = m.order_id"
        " WHERE m.shop_id = ? ORDER BY m.posttime DESC, m.message_id DESC LIMIT ? OFFSET ?",
        {call.shopId, paging.size, paging.start});
    QJsonArray list;
    QVariantList shown;
    while (messages.next()) {
        QJsonObject message{{"message_id", messages.value(0).toString()},
                            {"content", messages.value(1).toString()},
                            {"viewed", messages.value(2).toBool()},
                            {"url", messages.value(3).toString()},
                            {"posttime", messages.value(4).toString()}};
        if (!messages.value(6).toString().isEmpty()) {
            message.insert("detail", QJsonObject{{"type", messages.value(5).toString()},
                                                 {"shop_id", QString::number(call.shopId)},
                                                 {"order_id", messages.value(6).toString()},
                                                 {"status", messages.value(7).toString()}});
        }
        list.append(message);
        shown.append(messages.value(0));
    }
    if (call.field("disable_auto_view") != "1") {
        for (const QVariant& id : shown) {
            m_store.run("UPDATE messages SET viewed = 1 WHERE message_id = ?", {id});
        }
    }
    const qint64 total =
        m_store.scalar("SELECT COUNT(*) FROM messages WHERE shop_id = ?", {call.shopId})
            .toLongLong();
    const qint64 unread =
        m_store
            .scalar("SELECT COUNT(*) FROM messages WHERE shop_id = ? AND viewed = 0", {call.shopId})
            .toLongLong();
    return done(QJsonObject{{"list", list}, {"total", total}, {"unread_count", unread}});
}

Outcome ShopService::messageView(const Call& call) {
    const QString messageId = call.field("message_id");
    if (messageId.isEmpty() ||
        m_store.scalar("SELECT COUNT(*) FROM messages WHERE message_id = ? AND shop_id = ?",
                       {messageId, call.shopId})
                .toInt() == 0) {
        return refuse("消息不存在");
    }
    m_store.run("UPDATE messages SET viewed = 1 WHERE message_id = ?", {messageId});
    return done(QJsonObject{{"message_id", messageId}, {"viewed", true}});
}

Outcome ShopService::addressList(const Call& call) {
    QSqlQuery rows = m_store.run(QString("SELECT ") + kAddressColumns +
                                     " FROM addresses WHERE shop_id = ? ORDER BY address_id",
                                 {call.shopId});
    QJsonArray list;
    while (rows.next()) {
        list.append(addressJson(rows));
    }
    return done(list);
}

Outcome ShopService::addressSave(const Call& call) {
    const QString addressId = call.field("address_id");
    const QString name = call.field("name");
    const QString detail = call.field("detail_address");
    bool defaultReceive = false;
    bool defaultSend = false;
    if (name.isEmpty() || name.size() > 10) {
        return refuse("联系人不能为空，且不超过10个字");
    }
    if (!isMobileNumber(call.field("telephone"))) {
        return refuse("请输入正确手机号码");
    }
    if (!isValidPostcode(call.field("postcode"))) {
        return refuse("请输入正确邮编");
    }
    if (call.field("province_name").isEmpty() || call.field("city_name").isEmpty()) {
        return refuse("请选择地址");
    }
    if (!regionIdsFit(call.field("province_id"), call.field("city_id"))) {
        return refuse("请选择正确的省份和城市");
    }
    if (detail.size() < 5 || detail.size() > 50) {
        return refuse("请输入5到50个字的详细地址");
    }
    if (!readFlag(call.field("default_receive"), defaultReceive) ||
        !readFlag(call.field("default_send"), defaultSend)) {
        return refuse("默认地址标记不正确");
    }
    if (!addressId.isEmpty() &&
        m_store.scalar("SELECT COUNT(*) FROM addresses WHERE address_id = ? AND shop_id = ?",
                       {addressId, call.shopId})
                .toInt() == 0) {
        return refuse("地址不存在");
    }
    StoreTransaction transaction(m_store);
    if (defaultReceive) {
        m_store.run("UPDATE addresses SET default_receive = 0 WHERE shop_id = ?", {call.shopId});
    }
    if (defaultSend) {
        m_store.run("UPDATE addresses SET default_send = 0 WHERE shop_id = ?", {call.shopId});
    }
    const QVariantList values{call.field("name"),
                              call.field("province_id"),
                              call.field("province_name"),
                              call.field("city_id"),
                              call.field("city_name"),
                              call.field("county"),
                              call.field("postcode"),
                              call.field("telephone"),
                              detail,
                              defaultReceive,
                              defaultSend};
    qint64 savedId = addressId.toLongLong();
    if (addressId.isEmpty()) {
        QVariantList inserted{call.shopId};
        inserted.append(values);
        savedId = m_store.insert(
            "INSERT INTO addresses (shop_id, name, province_id, province_name, city_id,"
            " city_name, county, postcode, telephone, detail_address, default_receive,"
            " default_send) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            inserted);
    } else {
        QVariantList updated = values;
        updated.append(savedId);
        m_store.run("UPDATE addresses SET name = ?, province_id = ?, province_name = ?,"
                    " city_id = ?, city_name = ?, county = ?, postcode = ?, telephone = ?,"
                    " detail_address = ?, default_receive = ?, default_send = ?"
                    " WHERE address_id = ?",
                    updated);
    }
    if (!transaction.commit()) {
        return refuse("服务繁忙，请稍后再试");
    }
    QSqlQuery saved = m_store.run(
        QString("SELECT ") + kAddressColumns + " FROM addresses WHERE address_id = ?", {savedId});
    saved.next();
    return done(addressJson(saved));
}

Outcome ShopService::addressDelete(const Call& call) {
    const QString addressId = call.field("address_id");
    if (addressId.isEmpty() ||
        m_store.scalar("SELECT COUNT(*) FROM addresses WHERE address_id = ? AND shop_id = ?",
                       {addressId, call.shopId})
                .toInt() == 0) {
        return refuse("地址不存在");
    }
    m_store.run("DELETE FROM addresses WHERE address_id = ?", {addressId});
    return done();
}
