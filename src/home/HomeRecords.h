#pragma once

#include "service/Record.h"

#include <QJsonArray>
#include <QString>
#include <optional>

// Payload of "homepage/get.do".
struct KQHomeMoneyModel {
    double total = 0;
    double balance = 0;
    double unbalanced = 0;

    static const RecordFields<KQHomeMoneyModel>& fields() {
        static const RecordFields<KQHomeMoneyModel> table{
            {"total", &KQHomeMoneyModel::total},
            {"balance", &KQHomeMoneyModel::balance},
            {"unbalanced", &KQHomeMoneyModel::unbalanced}};
        return table;
    }
};

struct KQHomeDayModel {
    QString postdate;
    qint64 total_order_count = 0;
    qint64 trade_order_count = 0;
    qint64 send_order_count = 0;
    qint64 refund_order_count = 0;

    static const RecordFields<KQHomeDayModel>& fields() {
        static const RecordFields<KQHomeDayModel> table{
            {"postdate", &KQHomeDayModel::postdate},
            {"total_order_count", &KQHomeDayModel::total_order_count},
            {"trade_order_count", &KQHomeDayModel::trade_order_count},
            {"send_order_count", &KQHomeDayModel::send_order_count},
            {"refund_order_count", &KQHomeDayModel::refund_order_count}};
        return table;
    }
};

struct KQHomeOrderModel {
    qint64 undelivery_order_count = 0;
    qint64 rights_order_count = 0;
    qint64 yesterday_order_count = 0;
    qint64 yesterday_order_amount = 0;
    qint64 total_order_count = 0;
    qint64 trade_order_count = 0;
    qint64 send_order_count = 0;
    std::optional<KQHomeDayModel> day_list;

    static const RecordFields<KQHomeOrderModel>& fields() {
        static const RecordFields<KQHomeOrderModel> table{
            {"undelivery_order_count", &KQHomeOrderModel::undelivery_order_count},
            {"rights_order_count", &KQHomeOrderModel::rights_order_count},
            {"yesterday_order_count", &KQHomeOrderModel::yesterday_order_count},
            {"yesterday_order_amount", &KQHomeOrderModel::yesterday_order_amount},
            {"total_order_count", &KQHomeOrderModel::total_order_count},
            {"trade_order_count", &KQHomeOrderModel::trade_order_count},
            {"send_order_count", &KQHomeOrderModel::send_order_count},
            {"day_list", &KQHomeOrderModel::day_list}};
        return table;
    }
};

struct KQHomeModel {
    std::optional<KQHomeMoneyModel> money;
    QJsonArray binding_list;
    QJsonArray article_list;
    std::optional<KQHomeOrderModel> order_stat;

    static const RecordFields<KQHomeModel>& fields() {
        static const RecordFields<KQHomeModel> table{{"money", &KQHomeModel::money},
                                                     {"binding_list", &KQHomeModel::binding_list},
                                                     {"article_list", &KQHomeModel::article_list},
                                                     {"order_stat", &KQHomeModel::order_stat}};
        return table;
    }
};

// The part of the shop profile ("system/get.do") the dashboard reads: the shop's name for the
// title. The full profile record belongs to the settings subsystem.
struct KQHomeShopModel {
    QString name;

    static const RecordFields<KQHomeShopModel>& fields() {
        static const RecordFields<KQHomeShopModel> table{{"name", &KQHomeShopModel::name}};
        return table;
    }
};

// Payload of "message/list.do": data -> list.
struct KQSMessageDetailModel {
    QString type;
    QString shop_id;
    QString order_id;
    QString status;

    static const RecordFields<KQSMessageDetailModel>& fields() {
        static const RecordFields<KQSMessageDetailModel> table{
            {"type", &KQSMessageDetailModel::type},
            {"shop_id", &KQSMessageDetailModel::shop_id},
            {"order_id", &KQSMessageDetailModel::order_id},
            {"status", &KQSMessageDetailModel::status}};
        return table;
    }
};

struct KQSMessageModel {
    QString message_id;
    QString content;
    bool viewed = false;
    QString url;
    QString posttime; // milliseconds since 1970, as numeric text
    std::optional<KQSMessageDetailModel> detail;

    static const RecordFields<KQSMessageModel>& fields() {
        static const RecordFields<KQSMessageModel> table{
            {"message_id", &KQSMessageModel::message_id}, {"content", &KQSMessageModel::content},
            {"viewed", &KQSMessageModel::viewed},         {"url", &KQSMessageModel::url},
            {"posttime", &KQSMessageModel::posttime},     {"detail", &KQSMessageModel::detail}};
        return table;
    }
};
