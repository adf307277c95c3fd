#include "comments/KQCommentModel.h"

#include <algorithm>
#include <cmath>

const RecordFields<KQCommentCouponModel>& KQCommentCouponModel::fields() {
    static const RecordFields<KQCommentCouponModel> table{
        {"item_id", &KQCommentCouponModel::item_id},
        {"name", &KQCommentCouponModel::name},
        {"over", &KQCommentCouponModel::over},
        {"money", &KQCommentCouponModel::money}};
    return table;
}

const RecordFields<KQCommentOrderItemModel>& KQCommentOrderItemModel::fields() {
    static const RecordFields<KQCommentOrderItemModel> table{
        {"item_id", &KQCommentOrderItemModel::item_id},
        {"spec_key", &KQCommentOrderItemModel::spec_key},
        {"name", &KQCommentOrderItemModel::name},
        {"img", &KQCommentOrderItemModel::img},
        {"price", &KQCommentOrderItemModel::price},
        {"change_price", &KQCommentOrderItemModel::change_price},
        {"quantity", &KQCommentOrderItemModel::quantity},
        {"discount_amount", &KQCommentOrderItemModel::discount_amount},
        {"amount", &KQCommentOrderItemModel::amount},
        {"coupon", &KQCommentOrderItemModel::coupon},
        {"rights_id", &KQCommentOrderItemModel::rights_id},
        {"rights_status", &KQCommentOrderItemModel::rights_status}};
    return table;
}

const RecordFields<KQCommentBuyerModel>& KQCommentBuyerModel::fields() {
    static const RecordFields<KQCommentBuyerModel> table{
        {"uid", &KQCommentBuyerModel::uid}, {"nickname", &KQCommentBuyerModel::nickname}};
    return table;
}

const RecordFields<KQCommentReplyrModel>& KQCommentReplyrModel::fields() {
    static const RecordFields<KQCommentReplyrModel> table{
        {"reply_id", &KQCommentReplyrModel::reply_id},
        {"content", &KQCommentReplyrModel::content},
        {"Date", &KQCommentReplyrModel::Date}};
    return table;
}

const RecordFields<KQCommentModel>& KQCommentModel::fields() {
    static const RecordFields<KQCommentModel> table{{"comment_id", &KQCommentModel::comment_id},
                                                    {"content", &KQCommentModel::content},
                                                    {"score", &KQCommentModel::score},
                                                    {"posttime", &KQCommentModel::posttime},
                                                    {"order_id", &KQCommentModel::order_id},
                                                    {"replied", &KQCommentModel::replied},
                                                    {"buyer", &KQCommentModel::buyer},
                                                    {"item", &KQCommentModel::item},
                                                    {"reply", &KQCommentModel::reply}};
    return table;
}

int KQCommentModel::stars() const {
    // Clamped before the conversion: a score far out of range (or "nan" sent as text) must not
    // reach the int conversion.
    if (std::isnan(score)) {
        return 0;
    }
    return int(std::clamp(std::trunc(score), 0.0, double(kMostStars)));
}

void KQCommentModel::markReplied(const QString& text) {
    replied = true;
    reply.content = text;
}

namespace CommentPayload {

QList<KQCommentModel> commentPage(const QJsonObject& reply) {
    const QJsonValue list =
        reply.value(QStringLiteral("data")).toObject().value(QStringLiteral("list"));
    return RecordMapper::listFromJson<KQCommentModel>(list);
}

} // namespace CommentPayload
