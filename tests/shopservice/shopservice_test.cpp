#include "servicefixture.h"

#include <QBuffer>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QJsonArray>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using DataCheck = std::function<void(const QJsonValue&)>;

const Fields kPage{{"start", "0"}, {"size", "10"}};

Fields withPage(Fields fields) {
    fields.append(kPage);
    return fields;
}

void expectPageOf(const QJsonValue& data, int rows, const QStringList& keys) {
    const QJsonArray rowsFound = data.toObject().value("list").toArray();
    ASSERT_EQ(rowsFound.size(), rows);
    for (const QString& key : keys) {
        EXPECT_TRUE(rowsFound.first().toObject().contains(key)) << key.toStdString();
    }
}

struct SuccessCase {
    const char* path;
    Fields fields;
    DataCheck check;
};

TEST_F(ShopServiceTest, EveryReadingEndpointAnswersWithItsPayload) {
    ASSERT_TRUE(m_client->signIn());
    const Fields orderFilters{{"payment_start_time", ""},
                              {"payment_end_time", ""},
                              {"order_start_time", ""},
                              {"order_end_time", ""},
                              {"item_name", ""},
                              {"order_id", ""},
                              {"name", ""},
                              {"telephone", ""}};
    const QList<SuccessCase> cases{
        {"homepage/get.do",
         {},
         [](const QJsonValue& data) {
             const QJsonObject stat = data["order_stat"].toObject();
             EXPECT_EQ(stat["total_order_count"].toInt(), 60);
             EXPECT_GT(stat["undelivery_order_count"].toInt(), 0);
             EXPECT_TRUE(stat["yesterday_order_amount"].isDouble());
             EXPECT_GT(data["money"]["total"].toDouble(), 0);
         }},
        {"system/get.do",
         {},
         [](const QJsonValue& data) {
             EXPECT_EQ(data["shop_id"].toString(), "10001");
             EXPECT_EQ(data["mobile"].toString(), "13800138000");
             EXPECT_TRUE(data["logo"].toString().startsWith("http://127.0.0.1:"));
             EXPECT_EQ(data["provinceName"].toString(), "广东省");
         }},
        {"address/list.do",
         {},
         [](const QJsonValue& data) { EXPECT_EQ(data.toArray().size(), 4); }},
        {"order/list.do", withPage(orderFilters + Fields{{"status", "waitSend"}}),
         [](const QJsonValue& data) {
             expectPageOf(data, 9, {"order_id", "item_list", "status_list", "address", "buyer"});
             for (const QJsonValue& order : data["list"].toArray()) {
                 EXPECT_EQ(order["status"].toString(), "payment-done");
             }
         }},
        {"order/list.do", withPage(orderFilters + Fields{{"status", ""}}),
         [](const QJsonValue& data) {
             expectPageOf(data, 10, {"amount", "total_cost"});
         }},
        {"order/get.do",
         {{"order_id", "100003"}},
         [](const QJsonValue& data) {
             EXPECT_EQ(data["status"].toString(), "deliver");
             EXPECT_FALSE(data["waybill"]["waybill_number"].toString().isEmpty());
             const QJsonArray history = data["status_list"].toArray();
             EXPECT_GT(history.last()["expiry_time"].toString().toLongLong(),
                       QDateTime::currentMSecsSinceEpoch());
         }},
        {"waybill/get.do",
         {{"order_id", "100003"}},
         [](const QJsonValue& data) {
             const QJsonObject waybill = data.toArray().first().toObject();
             EXPECT_FALSE(waybill["company"]["name"].toString().isEmpty());
             EXPECT_GE(waybill["process_list"].toArray().size(), 2);
         }},
        {"express/list.do", kPage,
         [](const QJsonValue& data) {
             expectPageOf(data, 8, {"company_id", "name"});
         }},
        {"comment/list.do", withPage({{"replied", "true"}, {"order_id", ""}}),
         [](const QJsonValue& data) {
             expectPageOf(data, 10, {"comment_id", "score", "buyer", "reply"});
             EXPECT_TRUE(data["list"][0]["replied"].toBool());
         }},
        {"payaccount/binding/list.do",
         {},
         [](const QJsonValue& data) {
             EXPECT_EQ(data[0]["account"].toString(), "demo.seller@paypal.example");
         }},
        {"item/category/list.do", kPage,
         [](const QJsonValue& data) {
             expectPageOf(data, 10, {"category_id", "name"});
         }},
        {"item/category/group.do",
         {},
         [](const QJsonValue& data) {
             EXPECT_EQ(data.toArray().size(), 5);
             EXPECT_EQ(data[0]["category_list"].toArray().size(), 3);
             // The last first-level category is empty, so its empty state can be seen.
             EXPECT_EQ(data[4]["category_id"].toString(), "15");
             EXPECT_TRUE(data[4]["category_list"].toArray().isEmpty());
         }},
        {"item/list.do",
         withPage({{"category_id", ""},
                   {"item_name", ""},
                   {"start_time", ""},
                   {"end_time", ""},
                   {"status", "stop"},
                   {"orderby", ""}}),
         [](const QJsonValue& data) {
             expectPageOf(data, 8, {"item_id", "img", "category_list", "lmodify", "gourp"});
         }},
        {"money/get.do",
         {},
         [](const QJsonValue& data) { EXPECT_GT(data["total"].toDouble(), 0); }},
        {"money/list.do",
         withPage({{"start_time", ""}, {"end_time", ""}, {"item_name", ""}, {"order_id", ""}}),
         [](const QJsonValue& data) {
             expectPageOf(data, 10, {"trade_id", "order_id", "income", "withhold", "PayPal"});
         }},
        {"message/list.do",
         {{"disable_auto_view", "1"}, {"start", "10"}, {"size", "10"}},
         [](const QJsonValue& data) {
             expectPageOf(data, 5, {"message_id", "viewed"});
         }},
        {"stat/pageview/list.do",
         {{"start_time", statStart(7)}, {"end_time", nowText()}, {"source", ""}},
         [](const QJsonValue& data) {
             EXPECT_EQ(data["day_list"].toArray().size(), 7);
             EXPECT_GT(data["user_count"].toInt(), 0);
         }},
        {"stat/order/list.do",
         {{"start_time", statStart(180)}, {"end_time", nowText()}, {"source", ""}},
         [](const QJsonValue& data) {
             EXPECT_EQ(data["day_list"].toArray().size(), 180);
             EXPECT_TRUE(data["conversion"].isObject());
         }},
        {"stat/revenue/list.do",
         {{"start_time", statStart(30)}, {"end_time", nowText()}, {"source", ""}},
         [](const QJsonValue& data) {
             EXPECT_EQ(data["day_list"].toArray().size(), 30);
             EXPECT_GT(data["amount"].toDouble(), 0);
         }},
    };
    for (const SuccessCase& c : cases) {
        SCOPED_TRACE(c.path);
        const ServiceReply reply = m_client->post(c.path, c.fields);
        ASSERT_EQ(reply.httpStatus, 200);
        ASSERT_TRUE(reply.ok()) << reply.message().toStdString();
        c.check(reply.data());
    }
}

struct RefusalCase {
    const char* path;
    Fields fields;
    const char* message;
};

TEST_F(ShopServiceTest, BadFieldsAreRefusedWithAClearMessage) {
    ASSERT_TRUE(m_client->signIn());
    const QList<RefusalCase> cases{
        {"order/get.do", {{"order_id", "999999"}}, "订单不存在"},
        {"order/list.do", {{"status", "lost"}}, "订单状态不正确"},
        {"order/list.do", {{"order_start_time", "yesterday"}}, "时间格式不正确"},
        {"order/close.do", {{"order_id", "100003"}, {"reason", "其他"}}, "该订单当前状态不能关闭"},
        {"order/close.do", {{"order_id", "100001"}, {"reason", ""}}, "请选择关闭订单的理由"},
        {"waybill/send.do",
         {{"order_id", "100002"}, {"company_id", ""}, {"waybill_number", "SF1"}},
         "请选择快递公司"},
        {"waybill/send.do",
         {{"order_id", "100002"}, {"company_id", "SF"}, {"waybill_number", ""}},
         "请输入正确的快递单号"},
        {"waybill/send.do",
         {{"order_id", "100001"}, {"company_id", "SF"}, {"waybill_number", "SF12345678"}},
         "该订单当前状态不能发货"},
        {"waybill/get.do", {{"order_id", "x"}}, "订单不存在"},
        {"express/list.do", {{"start", "-1"}, {"size", "10"}}, "分页参数不正确"},
        {"comment/list.do", {{"replied", "maybe"}}, "回复状态不正确"},
        {"comment/reply.do", {{"comment_id", "30001"}, {"content", "再次回复"}}, "该评论已回复"},
        {"comment/reply.do",
         {{"comment_id", "30002"}, {"content", ""}},
         "回复内容不能为空，且不超过500个字"},
        {"item/list.do", {{"status", "gone"}}, "商品状态不正确"},
        {"item/delete.do", {{"item_id", "1"}}, "商品不存在"},
        {"item/rsync/add.do", {{"item_id", ""}}, "商品不存在"},
        {"item/stop.do", {{"item_id", "abc"}}, "商品不存在"},
        {"item/start.do", {{"item_id", "0"}}, "商品不存在"},
        {"item/category/list.do", {{"size", "0"}}, "分页参数不正确"},
        {"money/list.do", {{"end_time", "2026-13-40"}}, "时间格式不正确"},
        {"message/view.do", {{"message_id", "1"}}, "消息不存在"},
        {"message/list.do", {{"size", "x"}}, "分页参数不正确"},
        {"stat/pageview/list.do",
         {{"start_time", "2020-01-01"}, {"end_time", nowText()}},
         "统计区间不正确"},
        {"stat/order/list.do", {{"source", "TV"}}, "来源不正确"},
        {"stat/revenue/list.do", {{"start_time", "soon"}}, "时间格式不正确"},
        {"address/save.do", {{"name", "张三"}, {"telephone", "12345"}}, "请输入正确手机号码"},
        {"address/delete.do", {{"address_id", "77"}}, "地址不存在"},
        {"system/update.do", {{"shop_name", ""}}, "公司名不能为空，且不超过50个字"},
        {"system/updateSubdomain.do", {{"subdomain", "Bad.Name"}}, "非法域名"},
        {"system/uploadLogo.do", {}, "请选择图片"},
        {"paychannel/paypal/outh/outhUrlForApp.do", {}, "请先解绑再更换账号"},
        {"payaccount/binding/delete.do", {{"channel", "Alipay"}}, "不支持的收款渠道"},
        {"login.do", {{"mobile", "13800138000"}, {"password", "wrong1"}}, "手机号或密码错误"},
        {"forgot/getSecurityCode.do", {{"mobile", "13900000000"}}, "该手机号尚未注册"},
        {"forgot/checkSecurityCode.do",
         {{"mobile", ""}, {"security_code", "000000"}},
         "请输入正确的手机号"},
        {"forgot/checkSecurityCode.do",
         {{"mobile", "13800138000"}, {"security_code", "000000"}},
         "验证码错误或已过期"},
        {"forgot/resetPassword.do",
         {{"mobile", "13800138000"}, {"security_code", "1"}, {"password", "newpass1"}},
         "验证码错误或已过期"},
    };
    const QByteArray before = m_client->post("order/list.do", kPage).body;
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.path);
        const ServiceReply reply = m_client->post(c.path, c.fields);
        ASSERT_EQ(reply.httpStatus, 200);
        EXPECT_EQ(reply.envelope.value("status").toString(), "error");
        EXPECT_EQ(reply.message(), QString::fromUtf8(c.message));
    }
    EXPECT_EQ(m_client->post("order/list.do", kPage).body, before);
}

TEST_F(ShopServiceTest, EverySignedInEndpointRefusesWithoutASession) {
    const QStringList paths{"homepage/get.do",
                            "system/get.do",
                            "system/update.do",
                            "system/updateSubdomain.do",
                            "system/uploadLogo.do",
                            "address/list.do",
                            "address/save.do",
                            "address/delete.do",
                            "order/list.do",
                            "order/get.do",
                            "order/close.do",
                            "comment/list.do",
                            "comment/reply.do",
                            "waybill/send.do",
                            "waybill/get.do",
                            "express/list.do",
                            "payaccount/binding/list.do",
                            "paychannel/paypal/outh/outhUrlForApp.do",
                            "payaccount/binding/delete.do",
                            "item/category/list.do",
                            "item/category/group.do",
                            "item/list.do",
                            "item/delete.do",
                            "item/rsync/add.do",
                            "item/stop.do",
                            "item/start.do",
                            "money/get.do",
                            "money/list.do",
                            "message/list.do",
                            "message/view.do",
                            "stat/pageview/list.do",
                            "stat/order/list.do",
                            "stat/revenue/list.do"};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const ServiceReply reply = m_client->post(path, {{"order_id", "100002"}});
        EXPECT_EQ(reply.httpStatus, 200);
        EXPECT_EQ(reply.envelope.value("status").toString(), "error");
        EXPECT_EQ(reply.message(), "请先登录");
    }
    ServiceClient forged(m_service.baseUrl());
    forged.network().cookieJar()->setCookiesFromUrl(
        {QNetworkCookie("SHOPSESSION", QByteArray(64, 'a'))}, QUrl(m_service.baseUrl()));
    EXPECT_EQ(forged.post("money/get.do").message(), "请先登录");
}

TEST_F(ShopServiceTest, SignInSetsAPrivateCookieAndSignOutEndsTheSession) {
    QNetworkRequest request(QUrl(m_client->url("login.do")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    QNetworkReply* raw = m_client->network().post(
        request, formBody({{"mobile", "13800138000"}, {"password", "shop1234"}}));
    QEventLoop loop;
    QObject::connect(raw, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray cookie = raw->rawHeader("Set-Cookie");
    EXPECT_TRUE(QRegularExpression("^SHOPSESSION=[0-9a-f]{64}; Path=/; HttpOnly")
                    .match(QString::fromLatin1(cookie))
                    .hasMatch())
        << cookie.toStdString();
    const ServiceReply login = ServiceClient::wait(raw);
    EXPECT_EQ(login.data()["shop_id"].toString(), "10001");

    EXPECT_TRUE(m_client->post("money/get.do").ok());
    const QList<QNetworkCookie> session =
        m_client->network().cookieJar()->cookiesForUrl(QUrl(m_service.baseUrl()));
    EXPECT_TRUE(m_client->post("logout.do").ok());
    EXPECT_EQ(m_client->post("money/get.do").message(), "请先登录");
    // The old cookie, replayed as the app does from its saved copy, is dead too.
    ServiceClient replay(m_service.baseUrl());
    replay.network().cookieJar()->setCookiesFromUrl(session, QUrl(m_service.baseUrl()));
    EXPECT_EQ(replay.post("money/get.do").message(), "请先登录");
}

TEST_F(ShopServiceTest, ChangesShowInTheNextRepliesAndSurviveARestart) {
    ASSERT_TRUE(m_client->signIn());
    const QList<QPair<const char*, Fields>> changes{
        {"waybill/send.do",
         {{"order_id", "100002"}, {"company_id", "SF"}, {"waybill_number", "SF1234567890"}}},
        {"order/close.do", {{"order_id", "100009"}, {"reason", "无法联系上买家"}}},
        {"comment/reply.do", {{"comment_id", "30002"}, {"content", "谢谢惠顾"}}},
        {"item/stop.do", {{"item_id", "2001"}}},
        {"item/delete.do", {{"item_id", "2002"}}},
        {"item/rsync/add.do", {{"item_id", "2003"}}},
        {"item/start.do", {{"item_id", "2005"}}},
        {"message/view.do", {{"message_id", "60001"}}},
        {"address/save.do",
         {{"address_id", ""},
          {"name", "赵六"},
          {"province_id", "440000"},
          {"province_name", "广东省"},
          {"city_id", "440100"},
          {"city_name", "广州市"},
          {"county", ""},
          {"postcode", "510000"},
          {"telephone", "13612345678"},
          {"detail_address", "天河路385号"},
          {"default_receive", "true"},
          {"default_send", "false"}}},
        {"address/delete.do", {{"address_id", "3"}}},
        {"system/update.do",
         {{"shop_name", "新店名"},
          {"contacts", "李四"},
          {"email", "li@example.com"},
          {"province_id", "330000"},
          {"city_id", "330100"},
          {"county", "西湖区"},
          {"detail_address", "文三路1号"}}},
        {"system/updateSubdomain.do", {{"subdomain", "my-shop"}}},
        {"payaccount/binding/delete.do", {{"channel", "Paypal"}}},
    };
    for (const auto& [path, fields] : changes) {
        const ServiceReply reply = m_client->post(path, fields);
        ASSERT_TRUE(reply.ok()) << path << ": " << reply.message().toStdString();
    }
    restart();
    ASSERT_TRUE(m_client->signIn());

    const QJsonObject shipped = order("100002");
    EXPECT_EQ(shipped["status"].toString(), "deliver");
    EXPECT_EQ(shipped["waybill"]["waybill_number"].toString(), "SF1234567890");
    EXPECT_EQ(shipped["status_list"].toArray().last()["status"].toString(), "deliver");
    const QJsonObject closed = order("100009");
    EXPECT_EQ(closed["status"].toString(), "closed");
    EXPECT_EQ(closed["status_list"].toArray().last()["reason"].toString(), "无法联系上买家");

    const QJsonArray comments = list("comment/list.do", withPage({{"order_id", ""}}));
    for (const QJsonValue& comment : comments) {
        if (comment["comment_id"].toString() == "30002") {
            EXPECT_TRUE(comment["replied"].toBool());
            EXPECT_EQ(comment["reply"]["content"].toString(), "谢谢惠顾");
        }
    }
    const Fields allGoods{{"start", "0"}, {"size", "50"}, {"status", ""}};
    QHash<QString, QJsonObject> goods;
    for (const QJsonValue& item : list("item/list.do", allGoods)) {
        goods.insert(item["item_id"].toString(), item.toObject());
    }
    EXPECT_EQ(goods.value("2001")["status"].toString(), "stop");
    EXPECT_FALSE(goods.contains("2002"));
    EXPECT_TRUE(goods.value("2003")["to_facebook"].toBool());
    EXPECT_EQ(goods.value("2005")["status"].toString(), "sale");

    const QJsonArray messages = list("message/list.do", {{"disable_auto_view", "1"}});
    EXPECT_TRUE(messages.first()["viewed"].toBool());
    EXPECT_FALSE(messages.at(1)["viewed"].toBool());

    const QJsonArray addresses = m_client->post("address/list.do").data().toArray();
    ASSERT_EQ(addresses.size(), 4);
    int defaults = 0;
    for (const QJsonValue& address : addresses) {
        EXPECT_NE(address["address_id"].toString(), "3");
        defaults += address["default_receive"].toBool() ? 1 : 0;
    }
    EXPECT_EQ(defaults, 1);
    EXPECT_TRUE(addresses.last()["default_receive"].toBool());

    const QJsonValue profile = m_client->post("system/get.do").data();
    EXPECT_EQ(profile["name"].toString(), "新店名");
    EXPECT_EQ(profile["cityName"].toString(), "杭州市");
    EXPECT_EQ(profile["subdomain"].toString(), "my-shop");
    EXPECT_TRUE(m_client->post("payaccount/binding/list.do").data().toArray().isEmpty());
}

TEST_F(ShopServiceTest, ChangedGoodsComeFirstAndTheEmptyCategoryHasNoGoods) {
    ASSERT_TRUE(m_client->signIn());
    const Fields stored = withPage({{"status", "stop"}});
    const QString lastStored = list("item/list.do", stored).last()["item_id"].toString();
    ASSERT_TRUE(m_client->post("item/rsync/add.do", {{"item_id", lastStored}}).ok());
    EXPECT_EQ(list("item/list.do", stored).first()["item_id"].toString(), lastStored);
    ASSERT_TRUE(m_client->post("item/stop.do", {{"item_id", "2001"}}).ok());
    EXPECT_EQ(list("item/list.do", stored).first()["item_id"].toString(), "2001");

    EXPECT_TRUE(list("item/list.do", withPage({{"category_id", "15"}})).isEmpty());
    EXPECT_EQ(list("item/list.do", withPage({{"category_id", "11"}})).size(), 10);
}

TEST_F(ShopServiceTest, TwoHundredConcurrentRequestsAreAllAnsweredCorrectly) {
    ASSERT_TRUE(m_client->signIn());
    QList<QNetworkReply*> replies;
    for (int i = 0; i < 200; ++i) {
        const QString orderId = QString::number(100001 + i % 60);
        QNetworkRequest request(QUrl(m_client->url("order/get.do")));
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        replies.append(m_client->network().post(request, formBody({{"order_id", orderId}})));
    }
    for (int i = 0; i < replies.size(); ++i) {
        const ServiceReply reply = ServiceClient::wait(replies.at(i));
        ASSERT_TRUE(reply.ok()) << i;
        EXPECT_EQ(reply.data()["order_id"].toString(), QString::number(100001 + i % 60));
    }
}

TEST_F(ShopServiceTest, MalformedHugeAndUnknownRequestsDoNoHarm) {
    ASSERT_TRUE(m_client->signIn());
    const ServiceReply malformed =
        m_client->postRaw("order/get.do", "order_id=%E4%B8", "application/x-www-form-urlencoded");
    EXPECT_EQ(malformed.message(), "请求格式不正确");
    const ServiceReply brokenMultipart = m_client->postRaw(
        "system/uploadLogo.do", "--x\r\nno headers", "multipart/form-data; boundary=x");
    EXPECT_EQ(brokenMultipart.message(), "请求格式不正确");
    const ServiceReply huge = m_client->postRaw("order/list.do", QByteArray(11 * 1024 * 1024, 'a'));
    EXPECT_TRUE(huge.httpStatus == 413 || huge.transportError) << huge.httpStatus;
    EXPECT_EQ(m_client->get("no/such/path.do").httpStatus, 404);
    EXPECT_EQ(m_client->get("img/goods/../../shop.sqlite").httpStatus, 404);
    EXPECT_EQ(m_client->get("order/list.do").httpStatus, 405);

    const ServiceReply after = m_client->post("order/get.do", {{"order_id", "100001"}});
    EXPECT_TRUE(after.ok());
    EXPECT_EQ(after.data()["order_id"].toString(), "100001");
}

// Reads from a raw connection until `count` complete answers (headers and body) arrived.
QByteArray readAnswers(QTcpSocket& socket, int count) {
    QByteArray received;
    auto complete = [&received, count] {
        int found = 0;
        qsizetype pos = 0;
        while (found < count) {
            const qsizetype headerEnd = received.indexOf("\r\n\r\n", pos);
            if (headerEnd < 0) {
                return false;
            }
            const QRegularExpressionMatch length =
                QRegularExpression("Content-Length: ([0-9]+)",
                                   QRegularExpression::CaseInsensitiveOption)
                    .match(QString::fromLatin1(received.mid(pos, headerEnd - pos)));
            pos = headerEnd + 4 + (length.hasMatch() ? length.captured(1).toLongLong() : 0);
            if (pos > received.size()) {
                return false;
            }
            ++found;
        }
        return true;
    };
    while (!complete() && socket.waitForReadyRead(10000)) {
        received += socket.readAll();
    }
    return received;
}

QByteArray rawPost(const QByteArray& path, const QByteArray& body) {
    return "POST /" + path +
           " HTTP/1.1\r\nHost: 127.0.0.1\r\n"
           "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

TEST_F(ShopServiceTest, PipelinedSplitAndOversizedRequestsOnOneConnection) {
    const QUrl base(m_service.baseUrl());
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", quint16(base.port()));
    ASSERT_TRUE(socket.waitForConnected(5000));
    const QByteArray first = rawPost("login.do", "mobile=13800138000&password=wrong1");
    const QByteArray second = rawPost("forgot/getSecurityCode.do", "mobile=123");
    socket.write(first + second.left(20));
    socket.flush();
    QTest::qWait(100);
    socket.write(second.mid(20));
    const QByteArray answers = readAnswers(socket, 2);
    EXPECT_EQ(answers.count("HTTP/1.1 200"), 2) << answers.toStdString();
    EXPECT_TRUE(answers.contains("手机号或密码错误"));
    EXPECT_TRUE(answers.contains("请输入正确的手机号"));

    // A body over 10 MB is refused from its announced length, before it is sent.
    socket.write("POST /login.do HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 20000000\r\n\r\n");
    const QByteArray refused = readAnswers(socket, 1);
    EXPECT_TRUE(refused.startsWith("HTTP/1.1 413")) << refused.toStdString();
    EXPECT_TRUE(m_client->post("forgot/getSecurityCode.do", {{"mobile", "13800138000"}}).ok());
}

const QString kOwner = "13800138000";

Fields checkFields(const QString& mobile, const QString& code) {
    return {{"mobile", mobile}, {"security_code", code}, {"need_captcha", "false"}};
}

Fields resetFields(const QString& code, const QString& password = "newpass1") {
    return {
        {"mobile", kOwner}, {"security_code", code}, {"captcha", "8075"}, {"password", password}};
}

QString wrongCode(const QString& code) {
    return code == "111111" ? "222222" : "111111";
}

TEST_F(ShopServiceTest, PasswordResetNeedsTheNumbersOwnLiveCodeOnce) {
    ASSERT_TRUE(m_client->post("forgot/getSecurityCode.do", {{"mobile", kOwner}}).ok());
    const QString code = m_service.nextCode(kOwner);
    ASSERT_FALSE(code.isEmpty()) << "the code is printed with the number";

    EXPECT_EQ(m_client->post("forgot/checkSecurityCode.do", checkFields("", code)).message(),
              "请输入正确的手机号")
        << "a code is checked against its own number only";
    EXPECT_FALSE(
        m_client->post("forgot/checkSecurityCode.do", checkFields("13900000000", code)).ok());
    EXPECT_TRUE(m_client->post("forgot/checkSecurityCode.do", checkFields(kOwner, code)).ok());
    EXPECT_EQ(m_client->post("forgot/resetPassword.do", resetFields(code, "abc")).message(),
              "密码须为6到16位，且不含引号");
    EXPECT_FALSE(m_client->post("forgot/resetPassword.do", resetFields(wrongCode(code))).ok());

    EXPECT_TRUE(m_client->signIn("shop1234"));
    EXPECT_TRUE(m_client->post("forgot/resetPassword.do", resetFields(code)).ok());
    EXPECT_FALSE(m_client->signIn("shop1234"));
    EXPECT_TRUE(m_client->signIn("newpass1"));
    EXPECT_FALSE(m_client->post("forgot/resetPassword.do", resetFields(code, "other12")).ok())
        << "a code works once";
    EXPECT_FALSE(m_client->post("forgot/checkSecurityCode.do", checkFields(kOwner, code)).ok());
}

TEST_F(ShopServiceTest, FiveWrongGuessesVoidTheCode) {
    ASSERT_TRUE(m_client->post("forgot/getSecurityCode.do", {{"mobile", kOwner}}).ok());
    const QString code = m_service.nextCode(kOwner);
    ASSERT_FALSE(code.isEmpty());
    for (int guess = 0; guess < 4; ++guess) {
        EXPECT_FALSE(
            m_client->post("forgot/checkSecurityCode.do", checkFields(kOwner, wrongCode(code)))
                .ok());
    }
    EXPECT_TRUE(m_client->post("forgot/checkSecurityCode.do", checkFields(kOwner, code)).ok())
        << "four wrong guesses leave the code usable";
    EXPECT_FALSE(m_client->post("forgot/resetPassword.do", resetFields(wrongCode(code))).ok());
    EXPECT_FALSE(m_client->post("forgot/checkSecurityCode.do", checkFields(kOwner, code)).ok());
    EXPECT_FALSE(m_client->post("forgot/resetPassword.do", resetFields(code)).ok());
    EXPECT_TRUE(m_client->signIn("shop1234"));
}

TEST_F(ShopServiceTest, OneCodePerNumberAMinute) {
    ASSERT_TRUE(m_client->post("forgot/getSecurityCode.do", {{"mobile", kOwner}}).ok());
    const QString code = m_service.nextCode(kOwner);
    ASSERT_FALSE(code.isEmpty());
    EXPECT_EQ(m_client->post("forgot/getSecurityCode.do", {{"mobile", kOwner}}).message(),
              "验证码已发送，请60秒后再获取");
    EXPECT_TRUE(m_client->post("forgot/checkSecurityCode.do", checkFields(kOwner, code)).ok())
        << "the refused request leaves the first code as it was";
}

TEST_F(ShopServiceTest, ACodeExpiresAfterItsLifetime) {
    restart({"--code-lifetime", "1"});
    ASSERT_TRUE(m_client->post("forgot/getSecurityCode.do", {{"mobile", kOwner}}).ok());
    const QString code = m_service.nextCode(kOwner);
    ASSERT_FALSE(code.isEmpty());
    QElapsedTimer age;
    age.start();
    // The right code passes until its second is over, and never again.
    while (m_client->post("forgot/checkSecurityCode.do", checkFields(kOwner, code)).ok()) {
        ASSERT_LT(age.elapsed(), 10000) << "the code never expired";
    }
    EXPECT_GE(age.elapsed(), 900);
    EXPECT_FALSE(m_client->post("forgot/resetPassword.do", resetFields(code)).ok());
    EXPECT_TRUE(m_client->signIn("shop1234"));
}

TEST_F(ShopServiceTest, ServiceRefusesABadCodeLifetime) {
    for (const char* bad : {"0", "-5", "soon"}) {
        QProcess service;
        service.start(SHOP_SERVICE_BINARY,
                      {"--port", "0", "--data", m_dir.path(), "--code-lifetime", bad});
        ASSERT_TRUE(service.waitForFinished(30000));
        EXPECT_EQ(service.exitCode(), 2) << bad;
        EXPECT_TRUE(service.readAllStandardError().contains("--code-lifetime"));
    }
}

TEST_F(ShopServiceTest, SignOutWorksAfterTheSessionEndedElsewhere) {
    ASSERT_TRUE(m_client->signIn());
    ServiceClient other(m_service.baseUrl());
    ASSERT_TRUE(other.post("forgot/getSecurityCode.do", {{"mobile", kOwner}}).ok());
    ASSERT_TRUE(
        other.post("forgot/resetPassword.do", resetFields(m_service.nextCode(kOwner))).ok());
    EXPECT_EQ(m_client->post("money/get.do").message(), "请先登录");

    QNetworkRequest request(QUrl(m_client->url("logout.do")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    QNetworkReply* raw = m_client->network().post(request, QByteArray());
    QEventLoop loop;
    QObject::connect(raw, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(raw->rawHeader("Set-Cookie").startsWith("SHOPSESSION=; "))
        << "the dead cookie is cleared";
    EXPECT_TRUE(ServiceClient::wait(raw).ok());
    EXPECT_TRUE(ServiceClient(m_service.baseUrl()).post("logout.do").ok())
        << "without any cookie too";
}

TEST_F(ShopServiceTest, ASubdomainOnceSetKeepsItsValue) {
    ASSERT_TRUE(m_client->signIn());
    const auto setSubdomain = [this](const QString& value) {
        return m_client->post("system/updateSubdomain.do", {{"subdomain", value}});
    };
    EXPECT_TRUE(setSubdomain("my-shop").ok());
    EXPECT_TRUE(setSubdomain("my-shop").ok()) << "the same value again is harmless";
    EXPECT_EQ(setSubdomain("other_1").message(), "二级域名设置后不能修改");
    EXPECT_EQ(m_client->post("system/get.do").data()["subdomain"].toString(), "my-shop");
}

TEST_F(ShopServiceTest, LogoUploadIsServedBack) {
    ASSERT_TRUE(m_client->signIn());
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 10);
    auto* parts = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentTypeHeader, "image/jpg");
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   "form-data; name=\"picture\"; filename=\"20261211093000.jpg\"");
    part.setBody(jpeg);
    parts->append(part);
    const ServiceReply reply = m_client->postMultipart("system/uploadLogo.do", parts);
    ASSERT_TRUE(reply.ok()) << reply.message().toStdString();
    const QString logo = m_client->post("system/get.do").data()["logo"].toString();
    EXPECT_EQ(logo, reply.data()["logo"].toString());
    const ServiceReply picture = m_client->get(logo);
    EXPECT_EQ(picture.httpStatus, 200);
    EXPECT_FALSE(QImage::fromData(picture.body).isNull());
}

TEST_F(ShopServiceTest, AuthorisationPageBindsADemoAccountOnce) {
    ASSERT_TRUE(m_client->signIn());
    ASSERT_TRUE(m_client->post("payaccount/binding/delete.do", {{"channel", "Paypal"}}).ok());
    const ServiceReply address = m_client->post("paychannel/paypal/outh/outhUrlForApp.do");
    ASSERT_TRUE(address.ok());
    const QString url = address.data().toString();
    ASSERT_TRUE(url.startsWith(m_service.baseUrl() + "paypal/authorize?token="));

    // The page is opened without the service's cookies, as a separate web profile does.
    ServiceClient browser(m_service.baseUrl());
    const ServiceReply page = browser.get(url);
    EXPECT_EQ(page.httpStatus, 200);
    EXPECT_TRUE(page.body.contains("id=\"confirm\""));
    const QString token = QUrlQuery(QUrl(url)).queryItemValue("token");
    const Fields confirm{{"token", token}, {"account", "demo.seller@paypal.example"}};
    EXPECT_EQ(browser.post("paypal/confirm", confirm).httpStatus, 200);
    EXPECT_EQ(browser.post("paypal/confirm", confirm).httpStatus, 400);
    EXPECT_EQ(browser.get(url).httpStatus, 400);

    const QJsonArray bindings = m_client->post("payaccount/binding/list.do").data().toArray();
    ASSERT_EQ(bindings.size(), 1);
    EXPECT_EQ(bindings[0]["account"].toString(), "demo.seller@paypal.example");
}

TEST_F(ShopServiceTest, StorefrontAndPicturesAreServedWithoutInternet) {
    const ServiceReply store = m_client->get("store/index.html?shopId=10001");
    EXPECT_EQ(store.httpStatus, 200);
    EXPECT_TRUE(store.body.contains("悦购跨境旗舰店"));
    EXPECT_TRUE(store.body.contains(m_service.baseUrl().toUtf8() + "img/goods/"));
    EXPECT_EQ(m_client->get("store/index.html?shopId=1").httpStatus, 404);
    for (const char* path : {"img/goods/1.png", "img/logo/1.png", "img/avatar/3.png"}) {
        EXPECT_FALSE(QImage::fromData(m_client->get(path).body).isNull()) << path;
    }
}

} // namespace

namespace {

Fields addressFields(const QString& provinceId, const QString& provinceName, const QString& cityId,
                     const QString& cityName) {
    return {{"address_id", ""},
            {"name", "赵六"},
            {"province_id", provinceId},
            {"province_name", provinceName},
            {"city_id", cityId},
            {"city_name", cityName},
            {"county", ""},
            {"postcode", "510000"},
            {"telephone", "13612345678"},
            {"detail_address", "人民路一号大院"},
            {"default_receive", "false"},
            {"default_send", "false"}};
}

Fields profileFields(const QString& provinceId, const QString& cityId) {
    return {{"shop_name", "悦购跨境旗舰店"},  {"contacts", "陈晓明"}, {"email", ""},
            {"province_id", provinceId},      {"city_id", cityId},    {"county", ""},
            {"detail_address", "科技园路1号"}};
}

// The service knows every city of the region list the client ships, and only those, each
// under its own province; empty identifiers stay allowed.
TEST_F(ShopServiceTest, RegionIdentifiersMustBeKnownAndBelongTogether) {
    ASSERT_TRUE(m_client->signIn());
    struct Case {
        const char* provinceId;
        const char* provinceName;
        const char* cityId;
        const char* cityName;
        bool accepted;
    };
    const QList<Case> cases{
        {"540000", "西藏自治区", "540100", "拉萨市", true},
        {"410000", "河南省", "419001", "济源市", true},
        {"500000", "重庆市", "500100", "重庆市", true},
        {"650000", "新疆维吾尔自治区", "659001", "石河子市", true},
        {"", "某省", "", "某市", true},
        {"440000", "广东省", "", "某市", true},
        {"", "某省", "440300", "深圳市", true},
        {"440000", "广东省", "330100", "杭州市", false},
        {"990000", "某省", "", "某市", false},
        {"440000", "广东省", "440399", "某市", false},
        {"", "某省", "419000", "省直辖", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.provinceId) + "/" + c.cityId);
        const ServiceReply saved = m_client->post(
            "address/save.do", addressFields(c.provinceId, c.provinceName, c.cityId, c.cityName));
        EXPECT_EQ(saved.ok(), c.accepted) << saved.message().toStdString();
        const ServiceReply updated =
            m_client->post("system/update.do", profileFields(c.provinceId, c.cityId));
        EXPECT_EQ(updated.ok(), c.accepted) << updated.message().toStdString();
        if (!c.accepted) {
            EXPECT_EQ(saved.message(), "请选择正确的省份和城市");
            EXPECT_EQ(updated.message(), "请选择正确的省份和城市");
        }
    }
    const ServiceReply lhasa =
        m_client->post("system/update.do", profileFields("540000", "540100"));
    ASSERT_TRUE(lhasa.ok());
    EXPECT_EQ(lhasa.data()["provinceName"].toString(), "西藏自治区");
    EXPECT_EQ(lhasa.data()["cityName"].toString(), "拉萨市");
}

} // namespace
