#include "requestrules.h"
#include "shopservice.h"

namespace {

// The three sale states the goods tabs show.
const QHash<QString, QString>& saleStates() {
    static const QHash<QString, QString> states{
        {"sale", "published = 1 AND inventory > 0"},
        {"sold", "published = 1 AND inventory = 0"},
        {"stop", "published = 0"},
    };
    return states;
}

const QHash<QString, QString>& sortOrders() {
    static const QHash<QString, QString> orders{
        {"", "lmodify DESC"},    {"lmodify", "lmodify DESC"},       {"posttime", "posttime DESC"},
        {"price", "price DESC"}, {"sale_count", "sale_count DESC"}, {"inventory", "inventory DESC"},
    };
    return orders;
}

QString saleState(bool published, qint64 inventory) {
    if (!published) {
        return "stop";
    }
    return inventory > 0 ? "sale" : "sold";
}

QJsonObject categoryJson(const QSqlQuery& row) {
    return QJsonObject{{"category_id", row.value(0).toString()},
                       {"parent_id", row.value(1).toString()},
                       {"name", row.value(2).toString()},
                       {"posttime", row.value(3).toString()}};
}

} // namespace

Outcome ShopService::itemList(const Call& call) {
    Paging paging;
    if (!readPaging(call, paging)) {
        return refuse("分页参数不正确");
    }
    const QString status = call.field("status");
    if (!status.isEmpty() && !saleStates().contains(status)) {
        return refuse("商品状态不正确");
    }
    if (!sortOrders().contains(call.field("orderby"))) {
        return refuse("排序方式不正确");
    }
    QStringList clauses{"shop_id = ?", "deleted = 0"};
    QVariantList values{call.shopId};
    if (!status.isEmpty()) {
        clauses.append(saleStates().value(status));
    }
    if (!call.field("category_id").isEmpty()) {
        clauses.append("EXISTS (SELECT 1 FROM item_categories c WHERE c.item_id = items.item_id"
                       " AND c.category_id = ?)");
        values.append(call.field("category_id"));
    }
    if (!call.field("item_name").isEmpty()) {
        clauses.append("name LIKE ? ESCAPE '\\'");
        values.append(containsPattern(call.field("item_name")));
    }
    if (!addTimeWindow(call, "posttime", clauses, values)) {
        return refuse("时间格式不正确");
    }
    const QString where = clauses.join(" AND ");
    const qint64 total =
        m_store.scalar("SELECT COUNT(*) FROM items WHERE " + where, values).toLongLong();
    values << paging.size << paging.start;
    QSqlQuery items = m_store.run(
        "SELECT item_id, name, img, price, inventory, sale_count, lmodify, posttime, published,"
        " to_facebook, gourp FROM items WHERE " +
            where + " ORDER BY " + sortOrders().value(call.field("orderby")) +
            ", item_id DESC LIMIT ? OFFSET ?",
        values);
    QJsonArray list;
    while (items.next()) {
        QSqlQuery categories = m_store.run(
            "SELECT k.category_id, k.parent_id, k.name, k.posttime FROM item_categories c"
            " JOIN categories k ON k.category_id = c.category_id WHERE c.item_id = ?"
            " ORDER BY c.pos",
            {items.value(0)});
        QJsonArray categoryList;
        while (categories.next()) {
            categoryList.append(categoryJson(categories));
        }
        const bool published = items.value(8).toBool();
        list.append(QJsonObject{{"item_id", items.value(0).toString()},
                                {"name", items.value(1).toString()},
                                {"img", absoluteUrl(items.value(2).toString())},
                                {"category_list", categoryList},
                                {"price", items.value(3).toDouble()},
                                {"inventory", items.value(4).toLongLong()},
                                {"sale_count", items.value(5).toLongLong()},
                                {"lmodify", items.value(6).toLongLong()},
                                {"posttime", items.value(7).toString()},
                                {"published", published ? "1" : "0"},
                                {"to_facebook", items.value(9).toBool()},
                                {"gourp", items.value(10).toString()},
                                {"status", saleState(published, items.value(4).toLongLong())}});
    }
    return done(QJsonObject{{"list", list}, {"total", total}});
}

Outcome ShopService::changeItem(const Call& call, const QString& assignment) {
    const QString itemId = call.field("item_id");
    const int found =
        m_store
            .scalar("SELECT COUNT(*) FROM items WHERE item_id = ? AND shop_id = ? AND deleted = 0",
                    {itemId, call.shopId})
            .toInt();
    if (itemId.isEmpty() || found == 0) {
        return refuse("商品不存在");
    }
    m_store.run("UPDATE items SET " + assignment + ", lmodify = ? WHERE item_id = ?",
                {nowMs(), itemId});
    return done(QJsonObject{{"item_id", itemId}});
}

Outcome ShopService::itemDelete(const Call& call) {
    return changeItem(call, "deleted = 1");
}

Outcome ShopService::itemSyncFacebook(const Call& call) {
    return changeItem(call, "to_facebook = 1");
}

Outcome ShopService::itemStop(const Call& call) {
    return changeItem(call, "published = 0");
}

Outcome ShopService::itemStart(const Call& call) {
    return changeItem(call, "published = 1");
}

Outcome ShopService::categoryList(const Call& call) {
    Paging paging;
    if (!readPaging(call, paging)) {
        return refuse("分页参数不正确");
    }
    QSqlQuery categories = m_store.run(
        "SELECT category_id, parent_id, name, posttime FROM categories WHERE shop_id = ?"
        " ORDER BY pos LIMIT ? OFFSET ?",
        {call.shopId, paging.size, paging.start});
    QJsonArray list;
    while (categories.next()) {
        list.append(categoryJson(categories));
    }
    const qint64 total =
        m_store.scalar("SELECT COUNT(*) FROM categories WHERE shop_id = ?", {call.shopId})
            .toLongLong();
    return done(QJsonObject{{"list", list}, {"total", total}});
}

Outcome ShopService::categoryGroup(const Call& call) {
    QSqlQuery categories = m_store.run(
        "SELECT category_id, parent_id, name, posttime FROM categories WHERE shop_id = ?"
        " ORDER BY pos",
        {call.shopId});
    QJsonArray tree;
    QHash<QString, int> topIndex;
    QList<QJsonObject> tops;
    QList<QJsonArray> children;
    while (categories.next()) {
        const QString parent = categories.value(1).toString();
        if (parent.isEmpty()) {
            topIndex.insert(categories.value(0).toString(), tops.size());
            tops.append(QJsonObject{{"category_id", categories.value(0).toString()},
                                    {"name", categories.value(2).toString()},
                                    {"posttime", categories.value(3).toString()}});
            children.append(QJsonArray());
        } else if (topIndex.contains(parent)) {
            children[topIndex.value(parent)].append(categoryJson(categories));
        }
    }
    for (qsizetype i = 0; i < tops.size(); ++i) {
        QJsonObject top = tops.at(i);
        top.insert("category_list", children.at(i));
        tree.append(top);
    }
    return done(tree);
}
