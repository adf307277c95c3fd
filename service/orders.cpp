#include "requestrules.h"
#include "shopservice.h"

#include <QJsonDocument>
#include <QRegularExpression>

namespace {

constexpr qint64 kRefundWindowMs = 15LL * 24 * 3600 * 1000;

// The list tabs filter by these groups of the order status vocabulary.
bool statusFilter(const QString& filter, QStringList& statuses) {
    static const QHash<QString, QStringList> groups{
        {"waitPay", {"payment"}},
        {"waitSend", {"payment-done"}},
        {"waitConfirm", {"deliver"}},
        {"waitRate", {"receive"}},
        {"succeed", {"balance", "comment"}},
        {"close", {"closed"}},
        {"payment", {"payment"}},
        {"payment-done", {"payment-done"}},
        {"deliver", {"deliver"}},
        {"receive", {"receive"}},
        {"balance", {"balance"}},
        {"comment", {"comment"}},
        {"closed", {"closed"}},
    };
    if (filter.isEmpty()) {
        return true;
    }
    if (!groups.contains(filter)) {
        return false;
    }
    statuses = groups.value(filter);
    return true;
}

// A WHERE clause with its bound values, built one condition at a time.
struct Conditions {
    QStringList clauses;
    QVariantList values;

    void add(const QString& clause, const QVariantList& bound) {
        clauses.append(clause);
        values.append(bound);
    }
    QString sql() const { return clauses.join(" AND "); }
};

bool addTimeRange(Conditions& where, const QString& column, const QString& from,
                  const QString& to) {
    qint64 lower = -1;
    qint64 upper = -1;
    if (!readTimeBound(from, false, lower) || !readTimeBound(to, true, upper)) {
        return false;
    }
    if (lower >= 0) {
        where.add(column + " >= ?", {lower});
    }
    if (upper >= 0) {
        where.add(column + " <= ?", {upper});
    }
    return true;
}

QJsonObject parseObject(const QString& json) {
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

} // namespace

bool ShopService::orderBelongs(const QString& orderId, qint64 shopId) {
    return !orderId.isEmpty() &&
           m_store.scalar("SELECT COUNT(*) FROM orders WHERE order_id = ? AND shop_id = ?",
                          {orderId, shopId})
                   .toInt() > 0;
}

QJsonArray ShopService::orderItemsJson(const QString& orderId) {
    QSqlQuery items = m_store.run(
        "SELECT item_id, spec_key, name, img, price, original_price, quantity, discount_amount,"
        " amount, coupon_json FROM order_items WHERE order_id = ? ORDER BY pos",
        {orderId});
    QJsonArray list;
    while (items.next()) {
        list.append(QJsonObject{{"item_id", items.value(0).toString()},
                                {"spec_key", items.value(1).toString()},
                                {"name", items.value(2).toString()},
                                {"img", absoluteUrl(items.value(3).toString())},
                                {"price", items.value(4).toDouble()},
                                {"original_price", items.value(5).toDouble()},
                                {"change_price", items.value(4).toDouble()},
                                {"quantity", items.value(6).toInt()},
                                {"discount_amount", items.value(7).toDouble()},
                                {"amount", items.value(8).toDouble()},
                                {"coupon", parseObject(items.value(9).toString())},
                                {"rights_id", ""},
                                {"rights_status", ""}});
    }
    return list;
}

QJsonObject ShopService::latestWaybillNews(const QString& orderId) {
    QSqlQuery news =
        m_store.run("SELECT w.waybill_id, w.number, s.time, w.cost, w.company_id, e.name, s.content"
                    " FROM waybills w JOIN express e ON e.company_id = w.company_id"
                    " LEFT JOIN waybill_steps s ON s.waybill_id = w.waybill_id WHERE w.order_id = ?"
                    " ORDER BY w.waybill_id DESC, s.time DESC LIMIT 1",
                    {orderId});
    if (!news.next()) {
        return {};
    }
    return QJsonObject{
        {"waybill_id", news.value(0).toString()}, {"waybill_number", news.value(1).toString()},
        {"posttime", news.value(2).toString()},   {"cost", news.value(3).toDouble()},
        {"company_id", news.value(4).toString()}, {"company_name", news.value(5).toString()},
        {"content", news.value(6).toString()}};
}

QJsonObject ShopService::orderJson(const QString& orderId) {
    QSqlQuery order = m_store.run(
        "SELECT order_id, status, rights_status, source, posttime, total_cost, original_cost,"
        " amount, original_amount, message, buyer_uid, buyer_nickname, address_json"
        " FROM orders WHERE order_id = ?",
        {orderId});
    if (!order.next()) {
        return {};
    }
    QSqlQuery history = m_store.run(
        "SELECT status, posttime, expiry_time, operator, reason, refund_amount FROM order_history"
        " WHERE order_id = ? ORDER BY pos",
        {orderId});
    QJsonArray statusList;
    while (history.next()) {
        const qint64 expiry = history.value(2).toLongLong();
        statusList.append(QJsonObject{
            {"status", history.value(0).toString()},
            {"posttime", history.value(1).toString()},
            {"expiry_time", expiry > 0 ? QString::number(expiry) : QString()},
            {"duration", expiry > 0 ? int((expiry - history.value(1).toLongLong()) / 1000) : 0},
            {"operator", history.value(3).toString()},
            {"reason", history.value(4).toString()},
            {"refund_amount", history.value(5).toDouble()},
            {"message", ""},
            {"comment_id", ""}});
    }
    return QJsonObject{{"order_id", order.value(0).toString()},
                       {"item_list", orderItemsJson(orderId)},
                       {"total_cost", order.value(5).toDouble()},
                       {"original_cost", order.value(6).toDouble()},
                       {"amount", order.value(7).toDouble()},
                       {"status", order.value(1).toString()},
                       {"rights_status", order.value(2).toString()},
                       {"source", order.value(3).toString()},
                       {"posttime", order.value(4).toString()},
                       {"address", parseObject(order.value(12).toString())},
                       {"buyer", QJsonObject{{"uid", order.value(10).toString()},
                                             {"nickname", order.value(11).toString()}}},
                       {"original_amount", order.value(8).toDouble()},
                       {"message", order.value(9).toString()},
                       {"status_list", statusList},
                       {"waybill", latestWaybillNews(orderId)}};
}

Outcome ShopService::orderList(const Call& call) {
    Paging paging;
    if (!readPaging(call, paging)) {
        return refuse("分页参数不正确");
    }
    QStringList statuses;
    if (!statusFilter(call.field("status"), statuses)) {
        return refuse("订单状态不正确");
    }
    Conditions where;
    where.add("o.shop_id = ?", {call.shopId});
    if (!statuses.isEmpty()) {
        QVariantList bound(statuses.begin(), statuses.end());
        where.add("o.status IN (" + QStringList(statuses.size(), "?").join(", ") + ")", bound);
    }
    if (!addTimeRange(where, "o.payment_time", call.field("payment_start_time"),
                      call.field("payment_end_time")) ||
        !addTimeRange(where, "o.posttime", call.field("order_start_time"),
                      call.field("order_end_time"))) {
        return refuse("时间格式不正确");
    }
    if (!call.field("item_name").isEmpty()) {
        where.add("EXISTS (SELECT 1 FROM order_items i WHERE i.order_id = o.order_id"
                  " AND i.name LIKE ? ESCAPE '\\')",
                  {containsPattern(call.field("item_name"))});
    }
    const QList<QPair<QString, QString>> textFilters{{"order_id", "o.order_id"},
                                                     {"name", "o.receiver_name"},
                                                     {"telephone", "o.receiver_telephone"}};
    for (const auto& [field, column] : textFilters) {
        if (!call.field(field).isEmpty()) {
            where.add(column + " LIKE ? ESCAPE '\\'", {containsPattern(call.field(field))});
        }
    }
    const qint64 total =
        m_store.scalar("SELECT COUNT(*) FROM orders o WHERE " + where.sql(), where.values)
            .toLongLong();
    QVariantList values = where.values;
    values << paging.size << paging.start;
    QSqlQuery ids = m_store.run("SELECT o.order_id FROM orders o WHERE " + where.sql() +
                                    " ORDER BY o.posttime DESC, o.order_id DESC LIMIT ? OFFSET ?",
                                values);
    QJsonArray list;
    while (ids.next()) {
        list.append(orderJson(ids.value(0).toString()));
    }
    return done(QJsonObject{{"list", list}, {"total", total}});
}

Outcome ShopService::orderGet(const Call& call) {
    const QString orderId = call.field("order_id");
    if (!orderBelongs(orderId, call.shopId)) {
        return refuse("订单不存在");
    }
    return done(orderJson(orderId));
}

Outcome ShopService::orderClose(const Call& call) {
    const QString orderId = call.field("order_id");
    const QString reason = call.field("reason");
    if (!orderBelongs(orderId, call.shopId)) {
        return refuse("订单不存在");
    }
    if (reason.isEmpty() || reason.size() > 100) {
        return refuse("请选择关闭订单的理由");
    }
    QSqlQuery order = m_store.run(
        "SELECT status, amount, buyer_nickname, source FROM orders WHERE order_id = ?", {orderId});
    order.next();
    const QString status = order.value(0).toString();
    if (status != "payment" && status != "payment-done") {
        return refuse("该订单当前状态不能关闭");
    }
    const double refund = status == "payment-done" ? order.value(1).toDouble() : 0.0;
    const qint64 now = nowMs();
    StoreTransaction transaction(m_store);
    m_store.run("UPDATE orders SET status = 'closed' WHERE order_id = ?", {orderId});
    m_store.run("INSERT INTO order_history (order_id, pos, status, posttime, expiry_time, operator,"
                " reason, refund_amount) SELECT ?, COALESCE(MAX(pos), -1) + 1, 'closed', ?, 0,"
                " 'seller', ?, ? FROM order_history WHERE order_id = ?",
                {orderId, now, reason, refund, orderId});
    if (refund > 0) {
        m_store.run("INSERT INTO trades (trade_id, shop_id, order_id, trader, posttime, type,"
                    " source, amount, withhold, payment_charge, platform_charge, commission,"
                    " point, point_amount, income, paypal) VALUES (?, ?, ?, ?, ?, '退款', ?, ?,"
                    " 0, 0, 0, 0, 0, 0, ?, (SELECT account FROM paypal_bindings WHERE shop_id"
                    " = ?))",
                    {"R" + orderId, call.shopId, orderId, order.value(2), now, order.value(3),
                     -refund, -refund, call.shopId});
    }
    if (!transaction.commit()) {
        return refuse("服务繁忙，请稍后再试");
    }
    return done(orderJson(orderId));
}

Outcome ShopService::waybillSend(const Call& call) {
    const QString orderId = call.field("order_id");
    const QString companyId = call.field("company_id");
    const QString number = call.field("waybill_number");
    if (!orderBelongs(orderId, call.shopId)) {
        return refuse("订单不存在");
    }
    const QString companyName =
        m_store.scalar("SELECT name FROM express WHERE company_id = ?", {companyId}).toString();
    if (companyName.isEmpty()) {
        return refuse("请选择快递公司");
    }
    if (!QRegularExpression("^[A-Za-z0-9-]{6,30}$").match(number).hasMatch()) {
        return refuse("请输入正确的快递单号");
    }
    QSqlQuery order =
        m_store.run("SELECT status, total_cost FROM orders WHERE order_id = ?", {orderId});
    order.next();
    if (order.value(0).toString() != "payment-done") {
        return refuse("该订单当前状态不能发货");
    }
    const qint64 now = nowMs();
    StoreTransaction transaction(m_store);
    const qint64 waybillId =
        m_store.insert("INSERT INTO waybills (order_id, company_id, number, posttime, cost)"
                       " VALUES (?, ?, ?, ?, ?)",
                       {orderId, companyId, number, now, order.value(1).toDouble()});
    m_store.run("INSERT INTO waybill_steps (waybill_id, time, content) VALUES (?, ?, ?)",
                {waybillId, now, "【深圳市】" + companyName + " 已揽收，运单号 " + number});
    m_store.run("UPDATE orders SET status = 'deliver' WHERE order_id = ?", {orderId});
    m_store.run("INSERT INTO order_history (order_id, pos, status, posttime, expiry_time, operator,"
                " reason, refund_amount) SELECT ?, COALESCE(MAX(pos), -1) + 1, 'deliver', ?, ?,"
                " 'seller', '', 0 FROM order_history WHERE order_id = ?",
                {orderId, now, now + kRefundWindowMs, orderId});
    if (!transaction.commit()) {
        return refuse("服务繁忙，请稍后再试");
    }
    return done(orderJson(orderId));
}

Outcome ShopService::waybillGet(const Call& call) {
    const QString orderId = call.field("order_id");
    if (!orderBelongs(orderId, call.shopId)) {
        return refuse("订单不存在");
    }
    const QJsonObject address = parseObject(
        m_store.scalar("SELECT address_json FROM orders WHERE order_id = ?", {orderId}).toString());
    QSqlQuery waybills =
        m_store.run("SELECT w.waybill_id, w.number, w.company_id, e.name FROM waybills w"
                    " JOIN express e ON e.company_id = w.company_id WHERE w.order_id = ?"
                    " ORDER BY w.waybill_id DESC",
                    {orderId});
    QJsonArray data;
    while (waybills.next()) {
        QSqlQuery steps = m_store.run(
            "SELECT time, content FROM waybill_steps WHERE waybill_id = ? ORDER BY time DESC",
            {waybills.value(0)});
        QJsonArray process;
        while (steps.next()) {
            process.append(QJsonObject{{"time", steps.value(0).toString()},
                                       {"content", steps.value(1).toString()}});
        }
        data.append(
            QJsonObject{{"waybill_id", waybills.value(0).toString()},
                        {"number", waybills.value(1).toString()},
                        {"address", address},
                        {"from_country", "中国"},
                        {"company", QJsonObject{{"company_id", waybills.value(2).toString()},
                                                {"name", waybills.value(3).toString()}}},
                        {"process_list", process}});
    }
    return done(data);
}

Outcome ShopService::expressList(const Call& call) {
    Paging paging;
    if (!readPaging(call, paging)) {
        return refuse("分页参数不正确");
    }
    QSqlQuery companies =
        m_store.run("SELECT company_id, name FROM express ORDER BY pos LIMIT ? OFFSET ?",
                    {paging.size, paging.start});
    QJsonArray list;
    while (companies.next()) {
        list.append(QJsonObject{{"company_id", companies.value(0).toString()},
                                {"name", companies.value(1).toString()}});
    }
    return done(QJsonObject{{"list", list},
                            {"total", m_store.scalar("SELECT COUNT(*) FROM express").toInt()}});
}

Outcome ShopService::commentList(const Call& call) {
    Paging paging;
    if (!readPaging(call, paging)) {
        return refuse("分页参数不正确");
    }
    Conditions where;
    where.add("c.shop_id = ?", {call.shopId});
    const QString replied = call.field("replied");
    bool repliedFlag = false;
    if (!replied.isEmpty()) {
        if (!readFlag(replied, repliedFlag)) {
            return refuse("回复状态不正确");
        }
        where.add(repliedFlag ? "c.reply_id IS NOT NULL" : "c.reply_id IS NULL", {});
    }
    if (!addTimeRange(where, "c.posttime", call.field("start_time"), call.field("end_time"))) {
        return refuse("时间格式不正确");
    }
    if (!call.field("item_name").isEmpty()) {
        where.add("i.name LIKE ? ESCAPE '\\'", {containsPattern(call.field("item_name"))});
    }
    if (!call.field("order_id").isEmpty()) {
        where.add("c.order_id LIKE ? ESCAPE '\\'", {containsPattern(call.field("order_id"))});
    }
    const QString from = " FROM comments c JOIN order_items i ON i.order_id = c.order_id"
                         " AND i.pos = c.item_pos WHERE ";
    const qint64 total =
        m_store.scalar("SELECT COUNT(*)" + from + where.sql(), where.values).toLongLong();
    QVariantList values = where.values;
    values << paging.size << paging.start;
    QSqlQuery comments = m_store.run(
        "SELECT c.comment_id, c.content, c.score, c.posttime, c.order_id, c.reply_id,"
        " c.buyer_uid, c.buyer_nickname, c.reply_content, c.reply_time, c.item_pos" +
            from + where.sql() + " ORDER BY c.posttime DESC, c.comment_id DESC LIMIT ? OFFSET ?",
        values);
    QJsonArray list;
    while (comments.next()) {
        const bool isReplied = !comments.value(5).isNull();
        const QJsonArray items = orderItemsJson(comments.value(4).toString());
        const int itemPos = comments.value(10).toInt();
        list.append(QJsonObject{
            {"comment_id", comments.value(0).toString()},
            {"content", comments.value(1).toString()},
            {"score", comments.value(2).toInt()},
            {"posttime", comments.value(3).toLongLong()},
            {"order_id", comments.value(4).toString()},
            {"replied", isReplied},
            {"buyer", QJsonObject{{"uid", comments.value(6).toLongLong()},
                                  {"nickname", comments.value(7).toString()}}},
            {"item", itemPos < items.size() ? items.at(itemPos).toObject() : QJsonObject()},
            {"reply", isReplied ? QJsonObject{{"reply_id", comments.value(5).toString()},
                                              {"content", comments.value(8).toString()},
                                              {"Date", comments.value(9).toLongLong()}}
                                : QJsonObject()}});
    }
    return done(QJsonObject{{"list", list}, {"total", total}});
}

Outcome ShopService::commentReply(const Call& call) {
    const QString commentId = call.field("comment_id");
    const QString content = call.field("content");
    QSqlQuery comment =
        m_store.run("SELECT reply_id FROM comments WHERE comment_id = ? AND shop_id = ?",
                    {commentId, call.shopId});
    if (commentId.isEmpty() || !comment.next()) {
        return refuse("评论不存在");
    }
    if (!comment.value(0).isNull()) {
        return refuse("该评论已回复");
    }
    if (content.isEmpty() || content.size() > 500) {
        return refuse("回复内容不能为空，且不超过500个字");
    }
    m_store.run("UPDATE comments SET reply_id = ?, reply_content = ?, reply_time = ?"
                " WHERE comment_id = ?",
                {"R" + commentId, content, nowMs(), commentId});
    return done(QJsonObject{{"comment_id", commentId}, {"reply_id", "R" + commentId}});
}
