#include "OrderFixture.h"
#include "orders/KQOrderModel.h"
#include "orders/OrderStatus.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace {

TEST(OrderRecords, AnOrderMapsItsNestedRecordsAndKeepsItsArrays) {
    QJsonObject json = Payload::order("100002", "payment-done", 2);
    json.insert("status_list", QJsonArray{Payload::history("payment", 1000, 5000),
                                          Payload::history("payment-done", 2000)});
    json.insert("waybill", QJsonObject{{"content", "已揽收"}, {"posttime", 86400000}});
    json.insert("surprise", "ignored");
    const QList<KQOrderModel> orders =
        OrderPayload::orderPage(QJsonDocument::fromJson(Envelope::page({json})).object());
    ASSERT_EQ(orders.size(), 1);
    const KQOrderModel& order = orders.first();
    EXPECT_EQ(order.order_id, "100002");
    EXPECT_EQ(order.address.name, "Alice");
    EXPECT_EQ(order.buyer.nickname, "alice88");
    EXPECT_EQ(order.waybill.posttime, "86400000");
    ASSERT_EQ(order.items().size(), 2);
    EXPECT_DOUBLE_EQ(order.item(1).price, 13.5);
    ASSERT_EQ(order.statusDetails().size(), 2);
    EXPECT_EQ(order.statusDetails().at(0).expiry_time, "5000");
    EXPECT_TRUE(order.statusDetails().at(1).expiry_time.isEmpty());
}

TEST(OrderRecords, PayloadsWithoutTheirListGiveNothing) {
    const QJsonObject noList = QJsonDocument::fromJson(Envelope::success(QJsonObject{})).object();
    EXPECT_TRUE(OrderPayload::orderPage(noList).isEmpty());
    EXPECT_TRUE(OrderPayload::expressPage(noList).isEmpty());
    const KQOrderModel empty = OrderPayload::orderDetail(
        QJsonDocument::fromJson(Envelope::success(QJsonValue::Null)).object());
    EXPECT_TRUE(empty.order_id.isEmpty());
    EXPECT_TRUE(empty.items().isEmpty());
}

TEST(OrderStatusVocabulary, EachStatusHasItsLabelsPanelAndAction) {
    using Action = OrderStatus::FooterAction;
    struct Case {
        const char* status;
        const char* list;
        const char* detail;
        int panel;
        Action action;
    };
    const Case cases[] = {
        {"payment", "付款中", "付款中", 0, Action::None},
        {"payment-done", "已付款", "付款完成", 1, Action::SendGoods},
        {"deliver", "已发货", "已发货", 2, Action::CheckLogistics},
        {"receive", "已收货", "已收货", 3, Action::None},
        {"balance", "已结算", "已结算", 3, Action::None},
        {"comment", "已评价", "已评价", 3, Action::None},
        {"closed", "已关闭", "已关闭", 5, Action::None},
        {"refunding", "", "", 0, Action::None},
        {"", "", "", 0, Action::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(OrderStatus::listLabel(c.status), QString::fromUtf8(c.list));
        EXPECT_EQ(OrderStatus::detailLabel(c.status), QString::fromUtf8(c.detail));
        EXPECT_EQ(OrderStatus::panel(c.status), c.panel);
        EXPECT_EQ(OrderStatus::footerAction(c.status), c.action);
    }
}

TEST(OrderStatusVocabulary, TabsSendTheirFilters) {
    EXPECT_EQ(OrderStatus::tabTitles().size(), 7);
    EXPECT_EQ(OrderStatus::filterForTab(0), "");
    EXPECT_EQ(OrderStatus::filterForTab(2), "waitSend");
    EXPECT_EQ(OrderStatus::filterForTab(3), "waitConfirm");
    EXPECT_EQ(OrderStatus::filterForTab(6), "close");
    EXPECT_EQ(OrderStatus::filterForTab(7), "");
    EXPECT_EQ(OrderStatus::filterForTab(-1), "");
}

TEST(OrderTexts, SpecificationValuesMoneyAndTimes) {
    const TimeZoneGuard zone("UTC");
    EXPECT_EQ(OrderTexts::specValues("颜色=红,尺码=XL"), "红,XL");
    EXPECT_EQ(OrderTexts::specValues("均码,颜色=蓝"), "均码,蓝");
    EXPECT_EQ(OrderTexts::specValues("a=b=c"), "c");
    EXPECT_EQ(OrderTexts::specValues(""), "");
    EXPECT_EQ(OrderTexts::dollars(12.5), "US$12.50");
    EXPECT_EQ(OrderTexts::dollars(0.005), "US$0.01");
    EXPECT_EQ(OrderTexts::timeText("86400000"), "1970-01-02 00:00:00");
    // No time at all is no text, never the start of 1970.
    EXPECT_EQ(OrderTexts::timeText(""), "");
    EXPECT_EQ(OrderTexts::timeText("0"), "");
    EXPECT_EQ(OrderTexts::timeText("soon"), "");
}

TEST(OrderTexts, RemainingSecondsFollowTheClock) {
    Clock::useTestClock(QDateTime(QDate(2016, 5, 18), QTime(9, 0), Qt::UTC));
    const qint64 now = Clock::nowMs();
    EXPECT_EQ(OrderTexts::remainingSeconds(QString::number(now + 7509 * 1000)), 7509);
    EXPECT_EQ(OrderTexts::remainingSeconds(QString::number(now + 1500)), 1);
    EXPECT_EQ(OrderTexts::remainingSeconds(QString::number(now - 2000)), -2);
    EXPECT_LT(OrderTexts::remainingSeconds(""), 0) << "a missing deadline has passed";
    Clock::useRealClock();
}

} // namespace
