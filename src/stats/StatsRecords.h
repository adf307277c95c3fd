#pragma once

#include "service/Record.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The summaries of the three statistics requests. A summary is read from the reply's "data"
// in one step: declared keys are copied, others ignored, and a list missing from "data" stays
// an empty list (a missing "conversion" a record of zeros). Days carry "postdate", the day as
// milliseconds since 1970, sent as a number or as numeric text.

struct KQSVisitors_DayModel {
    qint64 postdate = 0;
    qint64 user_count = 0;
    qint64 pageview = 0;

    static const RecordFields<KQSVisitors_DayModel>& fields() {
        static const RecordFields<KQSVisitors_DayModel> table{
            {"postdate", &KQSVisitors_DayModel::postdate},
            {"user_count", &KQSVisitors_DayModel::user_count},
            {"pageview", &KQSVisitors_DayModel::pageview}};
        return table;
    }
};

struct KQSVisitors_PageModel {
    QString url;
    qint64 user_count = 0;
    qint64 pageview = 0;

    static const RecordFields<KQSVisitors_PageModel>& fields() {
        static const RecordFields<KQSVisitors_PageModel> table{
            {"url", &KQSVisitors_PageModel::url},
            {"user_count", &KQSVisitors_PageModel::user_count},
            {"pageview", &KQSVisitors_PageModel::pageview}};
        return table;
    }
};

struct KQSVisitors_SourceModel {
    QString source;
    qint64 pageview = 0;

    static const RecordFields<KQSVisitors_SourceModel>& fields() {
        static const RecordFields<KQSVisitors_SourceModel> table{
            {"source", &KQSVisitors_SourceModel::source},
            {"pageview", &KQSVisitors_SourceModel::pageview}};
        return table;
    }
};

// "stat/pageview/list.do"
struct KQSVisitorsModel {
    qint64 user_count = 0;
    qint64 pageview = 0;
    QList<KQSVisitors_DayModel> day_list;
    QList<KQSVisitors_PageModel> page_list;
    QList<KQSVisitors_SourceModel> source_list;

    static const RecordFields<KQSVisitorsModel>& fields() {
        static const RecordFields<KQSVisitorsModel> table{
            {"user_count", &KQSVisitorsModel::user_count},
            {"pageview", &KQSVisitorsModel::pageview},
            {"day_list", &KQSVisitorsModel::day_list},
            {"page_list", &KQSVisitorsModel::page_list},
            {"source_list", &KQSVisitorsModel::source_list}};
        return table;
    }
};

struct KQSStatOrderDayModel {
    qint64 postdate = 0;
    qint64 total_order_count = 0;
    qint64 trade_order_count = 0;
    qint64 send_order_count = 0;
    qint64 refund_order_count = 0;

    static const RecordFields<KQSStatOrderDayModel>& fields() {
        static const RecordFields<KQSStatOrderDayModel> table{
            {"postdate", &KQSStatOrderDayModel::postdate},
            {"total_order_count", &KQSStatOrderDayModel::total_order_count},
            {"trade_order_count", &KQSStatOrderDayModel::trade_order_count},
            {"send_order_count", &KQSStatOrderDayModel::send_order_count},
            {"refund_order_count", &KQSStatOrderDayModel::refund_order_count}};
        return table;
    }
};

struct KQSConversionModel {
    double visitor_order_rate = 0;
    double order_payment_rate = 0;
    double visitor_payment_rate = 0;

    static const RecordFields<KQSConversionModel>& fields() {
        static const RecordFields<KQSConversionModel> table{
            {"visitor_order_rate", &KQSConversionModel::visitor_order_rate},
            {"order_payment_rate", &KQSConversionModel::order_payment_rate},
            {"visitor_payment_rate", &KQSConversionModel::visitor_payment_rate}};
        return table;
    }
};

// "stat/order/list.do"
struct KQSOrderStatisticsModel {
    qint64 total_order_count = 0;
    qint64 trade_order_count = 0;
    qint64 send_order_count = 0;
    qint64 refund_order_count = 0;
    QString posttime;
    qint64 user_count = 0;
    qint64 visitor_count = 0;
    double order_amount = 0;
    double pay_amount = 0;
    qint64 pay_user_count = 0;
    qint64 pay_order_count = 0;
    qint64 item_count = 0;
    KQSConversionModel conversion;
    QList<KQSStatOrderDayModel> day_list;

    static const RecordFields<KQSOrderStatisticsModel>& fields() {
        static const RecordFields<KQSOrderStatisticsModel> table{
            {"total_order_count", &KQSOrderStatisticsModel::total_order_count},
            {"trade_order_count", &KQSOrderStatisticsModel::trade_order_count},
            {"send_order_count", &KQSOrderStatisticsModel::send_order_count},
            {"refund_order_count", &KQSOrderStatisticsModel::refund_order_count},
            {"posttime", &KQSOrderStatisticsModel::posttime},
            {"user_count", &KQSOrderStatisticsModel::user_count},
            {"visitor_count", &KQSOrderStatisticsModel::visitor_count},
            {"order_amount", &KQSOrderStatisticsModel::order_amount},
            {"pay_amount", &KQSOrderStatisticsModel::pay_amount},
            {"pay_user_count", &KQSOrderStatisticsModel::pay_user_count},
            {"pay_order_count", &KQSOrderStatisticsModel::pay_order_count},
            {"item_count", &KQSOrderStatisticsModel::item_count},
            {"conversion", &KQSOrderStatisticsModel::conversion},
            {"day_list", &KQSOrderStatisticsModel::day_list}};
        return table;
    }
};

struct KQSRevenueStatVO_dayModel {
    qint64 postdate = 0;
    double amount = 0;

    static const RecordFields<KQSRevenueStatVO_dayModel>& fields() {
        static const RecordFields<KQSRevenueStatVO_dayModel> table{
            {"postdate", &KQSRevenueStatVO_dayModel::postdate},
            {"amount", &KQSRevenueStatVO_dayModel::amount}};
        return table;
    }
};

struct KQSRevenueStat_ItemModel {
    QString item_id;
    QString name;
    qint64 amount = 0; // whole dollars, unlike every other amount
    qint64 order_count = 0;

    static const RecordFields<KQSRevenueStat_ItemModel>& fields() {
        static const RecordFields<KQSRevenueStat_ItemModel> table{
            {"item_id", &KQSRevenueStat_ItemModel::item_id},
            {"name", &KQSRevenueStat_ItemModel::name},
            {"amount", &KQSRevenueStat_ItemModel::amount},
            {"order_count", &KQSRevenueStat_ItemModel::order_count}};
        return table;
    }
};

struct KQSRevenueStat_sourceModel {
    QString source;
    double amount = 0;

    static const RecordFields<KQSRevenueStat_sourceModel>& fields() {
        static const RecordFields<KQSRevenueStat_sourceModel> table{
            {"source", &KQSRevenueStat_sourceModel::source},
            {"amount", &KQSRevenueStat_sourceModel::amount}};
        return table;
    }
};

// "stat/revenue/list.do". The sales per goods item arrive as "item_list" and are kept in
// page_list; a "page_list" key in the reply is not read.
struct KQSRevenueModel {
    double amount = 0;
    QList<KQSRevenueStatVO_dayModel> day_list;
    QList<KQSRevenueStat_ItemModel> page_list;
    QList<KQSRevenueStat_sourceModel> source_list;

    static const RecordFields<KQSRevenueModel>& fields() {
        static const RecordFields<KQSRevenueModel> table{
            {"amount", &KQSRevenueModel::amount},
            {"day_list", &KQSRevenueModel::day_list},
            {"item_list", &KQSRevenueModel::page_list},
            {"source_list", &KQSRevenueModel::source_list}};
        return table;
    }
};

// A summary from a whole reply of its request.
template <Record Summary> Summary readSummary(const QJsonObject& reply) {
    return RecordMapper::fromJson<Summary>(reply.value(QStringLiteral("data")).toObject());
}
