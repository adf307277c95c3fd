#include "servicefixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

constexpr qint64 kDayMs = 24LL * 3600 * 1000;

class StatisticsTest : public ShopServiceTest {
protected:
    QJsonObject stat(const QString& path, int days) {
        const ServiceReply reply = m_client->post(
            path, {{"start_time", statStart(days)}, {"end_time", nowText()}, {"source", ""}});
        EXPECT_TRUE(reply.ok()) << path.toStdString() << ": " << reply.message().toStdString();
        return reply.data().toObject();
    }
    static const QJsonObject today(const QJsonObject& summary) {
        return summary["day_list"].toArray().last().toObject();
    }
    qint64 orderTotal(const Fields& window) {
        Fields fields = window;
        fields << Fields{{"status", ""}, {"start", "0"}, {"size", "10"}};
        const ServiceReply reply = m_client->post("order/list.do", fields);
        EXPECT_TRUE(reply.ok()) << reply.message().toStdString();
        return reply.data()["total"].toInteger();
    }
    // Runs statements on the stopped service's store, as time passing would change it.
    void alterStore(const QStringList& statements, const QVariantList& values) {
        m_service.stop();
        const QString connection = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
            db.setDatabaseName(m_dir.filePath("shop.sqlite"));
            ASSERT_TRUE(db.open());
            qsizetype next = 0;
            for (const QString& sql : statements) {
                QSqlQuery query(db);
                ASSERT_TRUE(query.prepare(sql));
                for (qsizetype i = 0; i < sql.count('?'); ++i) {
                    query.addBindValue(values.at(next++));
                }
                ASSERT_TRUE(query.exec()) << sql.toStdString();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
        restart();
    }
};

TEST_F(StatisticsTest, OrderFiguresAreTheOrdersOfTheWindow) {
    ASSERT_TRUE(m_client->signIn());
    const QJsonObject week = stat("stat/order/list.do", 7);
    ASSERT_EQ(week["day_list"].toArray().size(), 7);
    EXPECT_GT(week["total_order_count"].toInteger(), 0);
    EXPECT_EQ(week["total_order_count"].toInteger(),
              orderTotal({{"order_start_time", statStart(7)}, {"order_end_time", nowText()}}));
    EXPECT_EQ(week["trade_order_count"].toInteger(),
              orderTotal({{"payment_start_time", statStart(7)}, {"payment_end_time", nowText()}}));
    qint64 placed = 0;
    for (const QJsonValue& day : week["day_list"].toArray()) {
        placed += day["total_order_count"].toInteger();
    }
    EXPECT_EQ(placed, week["total_order_count"].toInteger());
}

TEST_F(StatisticsTest, ShippingAndClosingChangeTodaysFigures) {
    ASSERT_TRUE(m_client->signIn());
    const QJsonObject ordersBefore = stat("stat/order/list.do", 7);
    const QJsonObject revenueBefore = stat("stat/revenue/list.do", 7);
    const double refunded = order("100009")["amount"].toDouble();
    ASSERT_EQ(order("100009")["status"].toString(), "payment-done");
    ASSERT_GT(refunded, 0);

    ASSERT_TRUE(m_client
                    ->post("waybill/send.do", {{"order_id", "100002"},
                                               {"company_id", "SF"},
                                               {"waybill_number", "SF1234567890"}})
                    .ok());
    ASSERT_TRUE(
        m_client->post("order/close.do", {{"order_id", "100009"}, {"reason", "无法联系上买家"}})
            .ok());

    const QJsonObject ordersAfter = stat("stat/order/list.do", 7);
    EXPECT_EQ(ordersAfter["send_order_count"].toInteger(),
              ordersBefore["send_order_count"].toInteger() + 1);
    EXPECT_EQ(today(ordersAfter)["send_order_count"].toInteger(),
              today(ordersBefore)["send_order_count"].toInteger() + 1);
    EXPECT_EQ(today(ordersAfter)["refund_order_count"].toInteger(),
              today(ordersBefore)["refund_order_count"].toInteger() + 1);
    EXPECT_EQ(today(ordersAfter)["total_order_count"].toInteger(),
              today(ordersBefore)["total_order_count"].toInteger());
    const QJsonObject revenueAfter = stat("stat/revenue/list.do", 7);
    EXPECT_NEAR(today(revenueAfter)["amount"].toDouble(),
                today(revenueBefore)["amount"].toDouble() - refunded, 0.005);
    EXPECT_NEAR(revenueAfter["amount"].toDouble(), revenueBefore["amount"].toDouble() - refunded,
                0.005);
}

TEST_F(StatisticsTest, AMonthOldDemoFolderStillHasFiguresForEveryDay) {
    ASSERT_TRUE(m_client->signIn());
    const QJsonObject visitorsBefore = stat("stat/pageview/list.do", 7);
    // A month later: the stored history ends a month ago and so do the orders.
    const qint64 month = 30 * kDayMs;
    const qint64 cut = QDate::currentDate().addDays(-29).startOfDay().toMSecsSinceEpoch();
    alterStore({"DELETE FROM stat_days WHERE postdate >= ?",
                "UPDATE orders SET posttime = posttime - ?,"
                " payment_time = payment_time - ?",
                "UPDATE order_history SET posttime = posttime - ?"},
               {cut, month, month, month});
    ASSERT_TRUE(m_client->signIn());

    const QJsonObject visitors = stat("stat/pageview/list.do", 7);
    EXPECT_EQ(visitors["day_list"], visitorsBefore["day_list"]) << "the same days read the same";
    EXPECT_EQ(visitors["user_count"], visitorsBefore["user_count"]);
    const QJsonObject orders = stat("stat/order/list.do", 7);
    for (const QJsonValue& day : orders["day_list"].toArray()) {
        EXPECT_GT(day["total_order_count"].toInteger(), 0);
    }
    EXPECT_EQ(QJsonValue(stat("stat/order/list.do", 7)["day_list"]), orders["day_list"]);
    EXPECT_GT(stat("stat/revenue/list.do", 7)["amount"].toDouble(), 0);
}

TEST_F(StatisticsTest, TheEmptyShopHasNothing) {
    ASSERT_TRUE(m_client->signIn("shop1234", "13900139000"));
    const QJsonValue profile = m_client->post("system/get.do").data();
    EXPECT_EQ(profile["shop_id"].toString(), "10002");
    EXPECT_EQ(profile["mobile"].toString(), "13900139000");
    for (const char* path :
         {"stat/pageview/list.do", "stat/order/list.do", "stat/revenue/list.do"}) {
        SCOPED_TRACE(path);
        const QJsonObject summary = stat(path, 180);
        const QJsonArray days = summary["day_list"].toArray();
        ASSERT_EQ(days.size(), 180);
        for (const QString key : {"user_count", "pageview", "total_order_count",
                                  "trade_order_count", "send_order_count", "amount"}) {
            EXPECT_EQ(summary[key].toDouble(), 0) << key.toStdString();
            for (const QJsonValue& day : days) {
                EXPECT_EQ(day[key].toDouble(), 0) << key.toStdString();
            }
        }
    }
    const Fields page{{"start", "0"}, {"size", "10"}};
    EXPECT_TRUE(list("order/list.do", page + Fields{{"status", ""}}).isEmpty());
    EXPECT_TRUE(list("money/list.do", page).isEmpty());
    EXPECT_TRUE(m_client->post("payaccount/binding/list.do").data().toArray().isEmpty());
    const QJsonObject home = m_client->post("homepage/get.do").data().toObject();
    EXPECT_EQ(home["money"]["total"].toDouble(), 0);
    EXPECT_EQ(home["order_stat"]["total_order_count"].toInteger(), 0);

    // The demo owner's shop is as it was.
    ASSERT_TRUE(m_client->signIn());
    EXPECT_EQ(m_client->post("system/get.do").data()["shop_id"].toString(), "10001");
    EXPECT_EQ(list("order/list.do", page + Fields{{"status", ""}}).first()["order_id"].toString(),
              "100001");
}

} // namespace
