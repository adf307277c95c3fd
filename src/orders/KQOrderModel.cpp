#include "orders/KQOrderModel.h"

const RecordFields<KQOrderItemCouponModel>& KQOrderItemCouponModel::fields() {
    static const RecordFields<KQOrderItemCouponModel> table{
        {"name", &KQOrderItemCouponModel::name},
        {"over", &KQOrderItemCouponModel::over},
        {"money", &KQOrderItemCouponModel::money}};
    return table;
}

const RecordFields<KQOrderItemModel>& KQOrderItemModel::fields() {
    static const RecordFields<KQOrderItemModel> table{
        {"item_id", &KQOrderItemModel::item_id},
        {"spec_key", &KQOrderItemModel::spec_key},
        {"name", &KQOrderItemModel::name},
        {"img", &KQOrderItemModel::img},
        {"price", &KQOrderItemModel::price},
        {"original_price", &KQOrderItemModel::original_price},
        {"change_price", &KQOrderItemModel::change_price},
        {"quantity", &KQOrderItemModel::quantity},
        {"discount_amount", &KQOrderItemModel::discount_amount},
        {"amount", &KQOrderItemModel::amount},
        {"coupon", &KQOrderItemModel::coupon},
        {"rights_id", &KQOrderItemModel::rights_id},
        {"rights_status", &KQOrderItemModel::rights_status}};
    return table;
}

const RecordFields<KQOrderBuyerModel>& KQOrderBuyerModel::fields() {
    static const RecordFields<KQOrderBuyerModel> table{{"uid", &KQOrderBuyerModel::uid},
                                                       {"nickname", &KQOrderBuyerModel::nickname}};
    return table;
}

const RecordFields<KQOrderBuyerAddressModel>& KQOrderBuyerAddressModel::fields() {
    static const RecordFields<KQOrderBuyerAddressModel> table{
        {"address_id", &KQOrderBuyerAddressModel::address_id},
        {"name", &KQOrderBuyerAddressModel::name},
        {"country_id", &KQOrderBuyerAddressModel::country_id},
        {"country_name", &KQOrderBuyerAddressModel::country_name},
        {"province_name", &KQOrderBuyerAddressModel::province_name},
        {"city", &KQOrderBuyerAddressModel::city},
        {"postcode", &KQOrderBuyerAddressModel::postcode},
        {"telephone", &KQOrderBuyerAddressModel::telephone},
        {"detail_address", &KQOrderBuyerAddressModel::detail_address},
        {"detail_address2", &KQOrderBuyerAddressModel::detail_address2},
        {"default_address", &KQOrderBuyerAddressModel::default_address}};
    return table;
}

const RecordFields<KQOrderWaybillNewsModel>& KQOrderWaybillNewsModel::fields() {
    static const RecordFields<KQOrderWaybillNewsModel> table{
        {"waybill_id", &KQOrderWaybillNewsModel::waybill_id},
        {"waybill_number", &KQOrderWaybillNewsModel::waybill_number},
        {"posttime", &KQOrderWaybillNewsModel::posttime},
        {"cost", &KQOrderWaybillNewsModel::cost},
        {"company_id", &KQOrderWaybillNewsModel::company_id},
        {"company_name", &KQOrderWaybillNewsModel::company_name},
        {"content", &KQOrderWaybillNewsModel::content}};
    return table;
}

const RecordFields<KQOrderStatusDetailModel>& KQOrderStatusDetailModel::fields() {
    static const RecordFields<KQOrderStatusDetailModel> table{
        {"status", &KQOrderStatusDetailModel::status},
        {"posttime", &KQOrderStatusDetailModel::posttime},
        {"expiry_time", &KQOrderStatusDetailModel::expiry_time},
        {"duration", &KQOrderStatusDetailModel::duration},
        {"operator", &KQOrderStatusDetailModel::operator_},
        {"reason", &KQOrderStatusDetailModel::reason},
        {"refund_amount", &KQOrderStatusDetailModel::refund_amount},
        {"message", &KQOrderStatusDetailModel::message},
        {"comment_id", &KQOrderStatusDetailModel::comment_id}};
    return table;
}

const RecordFields<KQOrderModel>& KQOrderModel::fields() {
    static const RecordFields<KQOrderModel> table{
        {"order_id", &KQOrderModel::order_id},
        {"item_list", &KQOrderModel::item_list},
        {"total_cost", &KQOrderModel::total_cost},
        {"original_cost", &KQOrderModel::original_cost},
        {"amount", &KQOrderModel::amount},
        {"status", &KQOrderModel::status},
        {"rights_status", &KQOrderModel::rights_status},
        {"source", &KQOrderModel::source},
        {"posttime", &KQOrderModel::posttime},
        {"address", &KQOrderModel::address},
        {"buyer", &KQOrderModel::buyer},
        {"original_amount", &KQOrderModel::original_amount},
        {"message", &KQOrderModel::message},
        {"status_list", &KQOrderModel::status_list},
        {"waybill", &KQOrderModel::waybill}};
    return table;
}

QList<KQOrderItemModel> KQOrderModel::items() const {
    return RecordMapper::listFromJson<KQOrderItemModel>(item_list);
}

KQOrderItemModel KQOrderModel::item(int index) const {
    return RecordMapper::fromJson<KQOrderItemModel>(item_list.at(index).toObject());
}

QList<KQOrderStatusDetailModel> KQOrderModel::statusDetails() const {
    return RecordMapper::listFromJson<KQOrderStatusDetailModel>(status_list);
}

const RecordFields<KQSExpressModel>& KQSExpressModel::fields() {
    static const RecordFields<KQSExpressModel> table{{"company_id", &KQSExpressModel::company_id},
                                                     {"name", &KQSExpressModel::name}};
    return table;
}

namespace OrderPayload {

namespace {
QJsonObject data(const QJsonObject& reply) {
    return reply.value(QStringLiteral("data")).toObject();
}
} // namespace

QList<KQOrderModel> orderPage(const QJsonObject& reply) {
    return RecordMapper::listFromJson<KQOrderModel>(data(reply).value(QStringLiteral("list")));
}

KQOrderModel orderDetail(const QJsonObject& reply) {
    return RecordMapper::fromJson<KQOrderModel>(data(reply));
}

QList<KQSExpressModel> expressPage(const QJsonObject& reply) {
    return RecordMapper::listFromJson<KQSExpressModel>(data(reply).value(QStringLiteral("list")));
}

} // namespace OrderPayload
