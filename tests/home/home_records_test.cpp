#include "home/HomeFormat.h"
#include "home/HomeRecords.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

QJsonObject object(const char* json) {
    return QJsonDocument::fromJson(json).object();
}

TEST(HomeFormat, YesterdayAmountGoesThroughSinglePrecision) {
    struct Case {
        qint64 dollars;
        const char* shown;
    };
    for (const Case& c :
         {Case{125, "125.00"}, Case{0, "0.00"}, Case{16777217, "16777216.00"}, Case{-3, "-3.00"}}) {
        EXPECT_EQ(HomeFormat::yesterdayAmountText(c.dollars), QString::fromLatin1(c.shown))
            << c.dollars;
    }
    EXPECT_EQ(HomeFormat::moneyText(2345.5), "2345.50");
    EXPECT_EQ(HomeFormat::countText(7), "7");
}

TEST(HomeRecords, HomepagePayloadMapsLeniently) {
    const auto home = RecordMapper::fromJson<KQHomeModel>(object(R"({
        "money": {"total": "2345.5", "balance": 10},
        "order_stat": {"yesterday_order_amount": 125.9, "undelivery_order_count": "3",
                       "yesterday_order_count": 7, "day_list": {"postdate": "2016-05-17"}},
        "binding_list": [{"channel": "facebook"}], "unknown": 1})"));
    ASSERT_TRUE(home.money && home.order_stat);
    EXPECT_DOUBLE_EQ(home.money->total, 2345.5);
    EXPECT_EQ(home.order_stat->yesterday_order_amount, 125);
    EXPECT_EQ(home.order_stat->undelivery_order_count, 3);
    EXPECT_EQ(home.order_stat->yesterday_order_count, 7);
    ASSERT_TRUE(home.order_stat->day_list);
    EXPECT_EQ(home.order_stat->day_list->postdate, "2016-05-17");
    EXPECT_EQ(home.binding_list.size(), 1);

    const auto empty = RecordMapper::fromJson<KQHomeModel>(object(R"({"money": null})"));
    EXPECT_FALSE(empty.money);
    EXPECT_FALSE(empty.order_stat);
}

TEST(HomeRecords, MessageWithAndWithoutDetail) {
    const auto list = RecordMapper::listFromJson<KQSMessageModel>(QJsonDocument::fromJson(R"([
            {"message_id": 5, "content": "新订单", "viewed": false, "posttime": 1463533932000,
             "detail": {"order_id": "OD1", "type": "order"}},
            {"message_id": "6", "content": "已读", "viewed": "true", "detail": null}])")
                                                                      .array());
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].message_id, "5");
    EXPECT_EQ(list[0].posttime, "1463533932000");
    EXPECT_FALSE(list[0].viewed);
    ASSERT_TRUE(list[0].detail);
    EXPECT_EQ(list[0].detail->order_id, "OD1");
    EXPECT_TRUE(list[1].viewed);
    EXPECT_FALSE(list[1].detail);
}

} // namespace
