#include "stats/StatsRecords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

QJsonObject reply(const char* data) {
    const QJsonObject payload = QJsonDocument::fromJson(data).object();
    return QJsonObject{{"status", "success"}, {"data", payload}};
}

TEST(StatsRecords, VisitorSummaryReadsItsListsAndIgnoresUnknownKeys) {
    const auto summary = readSummary<KQSVisitorsModel>(reply(R"({
        "user_count": "12", "pageview": 40, "colour": "red",
        "day_list": [{"postdate": 1463500800000, "user_count": 5, "pageview": 9, "pay_order_count": 3},
                     {"postdate": "1463587200000", "user_count": 7, "pageview": 31}, "junk"],
        "source_list": [{"source": "Facebook", "pageview": 20}]})"));
    EXPECT_EQ(summary.user_count, 12);
    EXPECT_EQ(summary.pageview, 40);
    ASSERT_EQ(summary.day_list.size(), 2);
    EXPECT_EQ(summary.day_list[0].postdate, 1463500800000);
    EXPECT_EQ(summary.day_list[1].postdate, 1463587200000) << "numeric text reads as the number";
    EXPECT_EQ(summary.day_list[1].pageview, 31);
    EXPECT_TRUE(summary.page_list.isEmpty());
    ASSERT_EQ(summary.source_list.size(), 1);
    EXPECT_EQ(summary.source_list[0].source, "Facebook");
}

TEST(StatsRecords, OrderSummaryWithoutConversionHasZeroRates) {
    const auto summary = readSummary<KQSOrderStatisticsModel>(reply(R"({
        "total_order_count": 9, "trade_order_count": 4, "send_order_count": 2,
        "day_list": [{"postdate": 1, "total_order_count": 9, "refund_order_count": null}]})"));
    EXPECT_EQ(summary.total_order_count, 9);
    EXPECT_EQ(summary.conversion.visitor_order_rate, 0);
    ASSERT_EQ(summary.day_list.size(), 1);
    EXPECT_EQ(summary.day_list[0].refund_order_count, 0);

    const auto rated = readSummary<KQSOrderStatisticsModel>(
        reply(R"({"conversion": {"order_payment_rate": "0.25"}})"));
    EXPECT_DOUBLE_EQ(rated.conversion.order_payment_rate, 0.25);
    EXPECT_TRUE(rated.day_list.isEmpty());
}

TEST(StatsRecords, RevenueItemsArriveAsItemListAndAPageListIsIgnored) {
    const auto summary = readSummary<KQSRevenueModel>(reply(R"({
        "amount": "876.456",
        "item_list": [{"item_id": "2001", "name": "连衣裙", "amount": 120.9, "order_count": 3}],
        "page_list": [{"item_id": "9999"}, {"item_id": "9998"}],
        "day_list": [{"postdate": 5, "amount": "12.7"}]})"));
    EXPECT_DOUBLE_EQ(summary.amount, 876.456);
    ASSERT_EQ(summary.page_list.size(), 1);
    EXPECT_EQ(summary.page_list[0].item_id, "2001");
    EXPECT_EQ(summary.page_list[0].amount, 120) << "whole dollars";
    ASSERT_EQ(summary.day_list.size(), 1);
    EXPECT_DOUBLE_EQ(summary.day_list[0].amount, 12.7);
}

TEST(StatsRecords, AReplyWithoutDataGivesAnEmptySummary) {
    const auto summary = readSummary<KQSVisitorsModel>(QJsonObject{{"status", "success"}});
    EXPECT_EQ(summary.user_count, 0);
    EXPECT_TRUE(summary.day_list.isEmpty());
}

} // namespace
