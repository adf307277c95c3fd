#include "goods/KQSGoodsModel.h"

#include "platform/Defaults.h"
#include "ui/Timestamp_Time.h"

#include <QJsonArray>

const RecordFields<KQSGoodsCategoryModel>& KQSGoodsCategoryModel::fields() {
    static const RecordFields<KQSGoodsCategoryModel> table{
        {"category_id", &KQSGoodsCategoryModel::category_id},
        {"parent_id", &KQSGoodsCategoryModel::parent_id},
        {"name", &KQSGoodsCategoryModel::name},
        {"posttime", &KQSGoodsCategoryModel::posttime}};
    return table;
}

const RecordFields<KQSGoodsModel>& KQSGoodsModel::fields() {
    static const RecordFields<KQSGoodsModel> table{{"item_id", &KQSGoodsModel::item_id},
                                                   {"name", &KQSGoodsModel::name},
                                                   {"img", &KQSGoodsModel::img},
                                                   {"category_list", &KQSGoodsModel::category_list},
                                                   {"price", &KQSGoodsModel::price},
                                                   {"inventory", &KQSGoodsModel::inventory},
                                                   {"sale_count", &KQSGoodsModel::sale_count},
                                                   {"lmodify", &KQSGoodsModel::lmodify},
                                                   {"posttime", &KQSGoodsModel::posttime},
                                                   {"published", &KQSGoodsModel::published},
                                                   {"to_facebook", &KQSGoodsModel::to_facebook},
                                                   {"gourp", &KQSGoodsModel::gourp}};
    return table;
}

const RecordFields<KQSOneGoodsCategoryModel>& KQSOneGoodsCategoryModel::fields() {
    static const RecordFields<KQSOneGoodsCategoryModel> table{
        {"category_id", &KQSOneGoodsCategoryModel::category_id},
        {"name", &KQSOneGoodsCategoryModel::name},
        {"posttime", &KQSOneGoodsCategoryModel::posttime},
        {"category_list", &KQSOneGoodsCategoryModel::category_list}};
    return table;
}

namespace GoodsPayload {

namespace {

QJsonValue data(const QJsonObject& reply) {
    return reply.value(QStringLiteral("data"));
}

// A time the service did not send is no time at all, not the start of 1970.
QString modificationText(const QJsonValue& lmodify) {
    const std::optional<qint64> ms = RecordValue::integer(lmodify);
    return ms ? Timestamp_Time::timestampConversionTimeWithTimeStr(double(*ms)) : QString();
}

} // namespace

QList<KQSGoodsModel> goodsPage(const QJsonObject& reply) {
    QList<KQSGoodsModel> goods;
    for (const QJsonValue& element :
         data(reply).toObject().value(QStringLiteral("list")).toArray()) {
        if (!element.isObject()) {
            continue;
        }
        const QJsonObject object = element.toObject();
        KQSGoodsModel item = RecordMapper::fromJson<KQSGoodsModel>(object);
        item.lmodify = modificationText(object.value(QStringLiteral("lmodify")));
        goods.append(std::move(item));
    }
    return goods;
}

QList<KQSOneGoodsCategoryModel> categoryTree(const QJsonObject& reply) {
    return RecordMapper::listFromJson<KQSOneGoodsCategoryModel>(data(reply));
}

QString goodsCategoryKey() {
    return QStringLiteral("GoodsCategory");
}

void storeShopCategories(const QJsonObject& reply) {
    const QJsonValue list = data(reply).toObject().value(QStringLiteral("list"));
    if (list.isArray()) {
        Defaults::setValue(goodsCategoryKey(), list.toArray().toVariantList());
    }
}

} // namespace GoodsPayload
