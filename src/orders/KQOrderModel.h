#pragma once

#include "service/Record.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// The payload records of the order screens. Member names are the service's JSON keys.

struct KQOrderItemCouponModel {
    QString name;
    double over = 0;
    double money = 0;
    static const RecordFields<KQOrderItemCouponModel>& fields();
};

struct KQOrderItemModel {
    QString item_id;
    QString spec_key;
    QString name;
    QString img;
    double price = 0;
    double original_price = 0;
    double change_price = 0;
    int quantity = 0;
    double discount_amount = 0;
    double amount = 0;
    KQOrderItemCouponModel coupon;
    QString rights_id;
    QString rights_status;
    static const RecordFields<KQOrderItemModel>& fields();
};

struct KQOrderBuyerModel {
    QString uid;
    QString nickname;
    static const RecordFields<KQOrderBuyerModel>& fields();
};

struct KQOrderBuyerAddressModel {
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
    static const RecordFields<KQOrderBuyerAddressModel>& fields();
};

struct KQOrderWaybillNewsModel {
    QString waybill_id;
    QString waybill_number;
    QString posttime;
    double cost = 0;
    QString company_id;
    QString company_name;
    QString content;
    static const RecordFields<KQOrderWaybillNewsModel>& fields();
};

struct KQOrderStatusDetailModel {
    QString status;
    QString posttime;
    QString expiry_time;
    int duration = 0;
    QString operator_; // JSON key "operator"
    QString reason;
    double refund_amount = 0;
    QString message;
    QString comment_id;
    static const RecordFields<KQOrderStatusDetailModel>& fields();
};

// One order. The two arrays keep their JSON objects; items() and statusDetails() read them.
struct KQOrderModel {
    QString order_id;
    QJsonArray item_list;
    double total_cost = 0;
    double original_cost = 0;
    double amount = 0;
    QString status;
    QString rights_status;
    QString source;
    QString posttime;
    KQOrderBuyerAddressModel address;
    KQOrderBuyerModel buyer;
    double original_amount = 0;
    QString message;
    QJsonArray status_list;
    KQOrderWaybillNewsModel waybill;
    static const RecordFields<KQOrderModel>& fields();

    QList<KQOrderItemModel> items() const;
    KQOrderItemModel item(int index) const;
    QList<KQOrderStatusDetailModel> statusDetails() const;
};

struct KQSExpressModel {
    QString company_id;
    QString name;
    static const RecordFields<KQSExpressModel>& fields();
};

// Reading the three order payloads out of a successful reply envelope.
namespace OrderPayload {
// "data" -> "list"; an absent list gives no orders.
QList<KQOrderModel> orderPage(const QJsonObject& reply);
// "data" as one order.
KQOrderModel orderDetail(const QJsonObject& reply);
// "data" -> "list".
QList<KQSExpressModel> expressPage(const QJsonObject& reply);
} // namespace OrderPayload
