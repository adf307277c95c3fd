#include "orders/KQSWayBillModel.h"

#include "orders/OrderStatus.h"
#include "ui/Style.h"

#include <QFontMetricsF>

const RecordFields<KQSBuyerAddressModel>& KQSBuyerAddressModel::fields() {
    static const RecordFields<KQSBuyerAddressModel> table{
        {"address_id", &KQSBuyerAddressModel::address_id},
        {"name", &KQSBuyerAddressModel::name},
        {"country_id", &KQSBuyerAddressModel::country_id},
        {"country_name", &KQSBuyerAddressModel::country_name},
        {"province_name", &KQSBuyerAddressModel::province_name},
        {"city", &KQSBuyerAddressModel::city},
        {"postcode", &KQSBuyerAddressModel::postcode},
        {"telephone", &KQSBuyerAddressModel::telephone},
        {"detail_address", &KQSBuyerAddressModel::detail_address},
        {"detail_address2", &KQSBuyerAddressModel::detail_address2},
        {"default_address", &KQSBuyerAddressModel::default_address}};
    return table;
}

const RecordFields<KQSProcessModel>& KQSProcessModel::fields() {
    static const RecordFields<KQSProcessModel> table{{"time", &KQSProcessModel::time},
                                                     {"content", &KQSProcessModel::content}};
    return table;
}

// The steps are measured rows, not plain records, so they are read apart from the table.
const RecordFields<KQSWayBillModel>& KQSWayBillModel::fields() {
    static const RecordFields<KQSWayBillModel> table{
        {"waybill_id", &KQSWayBillModel::waybill_id},
        {"number", &KQSWayBillModel::number},
        {"address", &KQSWayBillModel::address},
        {"from_country", &KQSWayBillModel::from_country},
        {"company", &KQSWayBillModel::company}};
    return table;
}

LogisticsFrameModel::LogisticsFrameModel(const KQSProcessModel& model, int screenWidth)
    : model_(model) {
    const QFontMetricsF metrics(Style::systemFont(kFontPoints));
    const qreal limit = qMax(0, screenWidth - 93);
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QSizeF title =
        metrics.boundingRect(QRectF(0, 0, limit, 1e6), flags, model_.content).size();
    titleFrame_ = QRectF(QPointF(53, 16), title);
    const QSizeF time = metrics.boundingRect(QRectF(0, 0, limit, 1e6), flags, model_.time).size();
    timerFrame_ = QRectF(QPointF(screenWidth - 28 - time.width(), titleFrame_.bottom() + 16), time);
    heiht_ = timerFrame_.bottom() + 16;
}

std::optional<KQSWayBillModel> KQSWayBillModel::fromReply(const QJsonObject& reply,
                                                          int screenWidth) {
    const QJsonArray data = reply.value(QStringLiteral("data")).toArray();
    if (data.isEmpty() || !data.first().isObject()) {
        return std::nullopt;
    }
    const QJsonObject first = data.first().toObject();
    auto waybill = RecordMapper::fromJson<KQSWayBillModel>(first);
    for (const QJsonValue& step : first.value(QStringLiteral("process_list")).toArray()) {
        auto process = RecordMapper::fromJson<KQSProcessModel>(step.toObject());
        process.time = OrderTexts::timeText(process.time);
        waybill.process_list.append(LogisticsFrameModel(process, screenWidth));
    }
    return waybill;
}
