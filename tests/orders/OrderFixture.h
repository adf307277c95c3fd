#pragma once

#include "support/ScreenFixture.h"

#include <QJsonArray>
#include <QJsonObject>

// Order records shaped as the shop service sends them.
namespace Payload {

inline QJsonObject item(const QString& name, double price, int quantity = 1,
                        const QString& specKey = QStringLiteral("颜色=红,尺码=XL")) {
    return QJsonObject{{"item_id", "9" + name},  {"spec_key", specKey},
                       {"name", name},           {"img", ""},
                       {"price", price},         {"quantity", quantity},
                       {"discount_amount", 1.5}, {"amount", price * quantity}};
}

inline QJsonObject history(const QString& status, qint64 posttimeMs, qint64 expiryMs = 0) {
    QJsonObject entry{{"status", status}, {"posttime", QString::number(posttimeMs)}};
    if (expiryMs) {
        entry.insert("expiry_time", QString::number(expiryMs));
    }
    return entry;
}

inline QJsonObject order(const QString& id, const QString& status, int items = 1,
                         double totalCost = 5) {
    QJsonArray list;
    for (int i = 0; i < items; ++i) {
        list.append(item(QStringLiteral("商品%1-%2").arg(id).arg(i), 12.5 + i));
    }
    return QJsonObject{
        {"order_id", id},
        {"item_list", list},
        {"total_cost", totalCost},
        {"amount", 42.0},
        {"status", status},
        {"source", "Facebook"},
        {"address", QJsonObject{{"name", "Alice"},
                                {"telephone", "+1 555 0100"},
                                {"detail_address", "1 Market Street"},
                                {"detail_address2", "Suite 5"}}},
        {"buyer", QJsonObject{{"uid", "7"}, {"nickname", "alice88"}}},
        {"message", ""},
        {"status_list", QJsonArray{}},
        {"waybill", QJsonObject{}},
    };
}

} // namespace Payload
