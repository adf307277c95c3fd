#pragma once

#include "support/ScreenFixture.h"

#include <QJsonArray>
#include <QJsonObject>

// Times are shown eight hours east of GMT, so local time differs from UTC.
constexpr const char* kGoodsTimeZone = "CST-8";

// Builders of goods payloads shaped as the shop service sends them.
namespace GoodsJson {

inline QJsonObject category(const QString& id, const QString& name, const QString& parent = {}) {
    return QJsonObject{
        {"category_id", id}, {"parent_id", parent}, {"name", name}, {"posttime", "1463500000000"}};
}

inline QJsonObject goods(const QString& id, const QString& name = {}) {
    return QJsonObject{
        {"item_id", id},
        {"name", name.isEmpty() ? QStringLiteral("商品%1").arg(id) : name},
        {"img", ""},
        {"category_list", QJsonArray{category("11", "服装"), category("111", "女装", "11")}},
        {"price", 19.9},
        {"inventory", 12},
        {"sale_count", 3},
        {"lmodify", 86400000},
        {"posttime", "1463500000000"},
        {"published", "1"},
        {"to_facebook", false},
        {"gourp", ""}};
}

inline QJsonObject firstLevel(const QString& id, const QString& name, int children) {
    QJsonArray list;
    for (int k = 0; k < children; ++k) {
        list.append(
            category(id + QString::number(k + 1), QStringLiteral("%1%2").arg(name).arg(k + 1), id));
    }
    return QJsonObject{
        {"category_id", id}, {"name", name}, {"posttime", ""}, {"category_list", list}};
}

inline QJsonObject reply(const QJsonValue& data) {
    return QJsonObject{{"status", "success"}, {"data", data}};
}

} // namespace GoodsJson

// The goods screens on the shared screen fixture, in the goods' time zone.
class GoodsScreenFixture : public ScreenFixture {
protected:
    GoodsScreenFixture() { zone.emplace(kGoodsTimeZone); }
};
