#pragma once

#include "orders/KQOrderModel.h"
#include "service/Record.h"

#include <QFont>
#include <QRectF>

// The payload records of waybill tracking ("waybill/get.do").

struct KQSBuyerAddressModel {
    QString address_id;
    QString name;
    QString country_id;
    QString country_name;
    QString province_name;
    QString city;
    QString postcode;
    QString telephone;
    QString detail_address;
    QString detail_address2;
    QString default_address;
    static const RecordFields<KQSBuyerAddressModel>& fields();
};

// One tracking step. `time` arrives as milliseconds and is replaced by its date-time text.
struct KQSProcessModel {
    QString time;
    QString content;
    static const RecordFields<KQSProcessModel>& fields();
};

// The measured layout of one step row, computed when its model is set.
class LogisticsFrameModel {
public:
    static constexpr int kFontPoints = 15;

    LogisticsFrameModel(const KQSProcessModel& model, int screenWidth);

    const KQSProcessModel& model() const { return model_; }
    QRectF titleFrame() const { return titleFrame_; }
    QRectF timerFrame() const { return timerFrame_; }
    double heiht() const { return heiht_; }

private:
    KQSProcessModel model_;
    QRectF titleFrame_;
    QRectF timerFrame_;
    double heiht_ = 0;
};

struct KQSWayBillModel {
    QString waybill_id;
    QString number;
    KQSBuyerAddressModel address;
    QString from_country;
    KQSExpressModel company;
    QList<LogisticsFrameModel> process_list;
    static const RecordFields<KQSWayBillModel>& fields();

    // The first waybill of a successful reply, its steps measured for a screen this wide;
    // nothing when "data" holds no waybill.
    static std::optional<KQSWayBillModel> fromReply(const QJsonObject& reply, int screenWidth);
};
