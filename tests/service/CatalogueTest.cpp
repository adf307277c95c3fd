#include "support/ServiceFixture.h"
#include "service/Record.h"

namespace {

using Fields = QList<QPair<QString, QString>>;
using Call = std::function<KQRequest*(const KQProject&, ReplyBlock)>;

struct Row {
    const char* path;
    Call call;
    Fields withFullBag;  // every bag field set to "<name>_v", start 20, size 10
    Fields withEmptyBag; // right after project()
};

KQProject& fullBag() {
    KQProject& bag = KQProject::project();
    for (const RecordField<KQProject>& field : KQProject::fields().all()) {
        field.read(bag, QJsonValue(QString(field.name()) + "_v"));
    }
    bag.start = 20;
    bag.size = 10;
    return bag;
}

Call noInput(KQRequest* (*operation)(ReplyBlock)) {
    return [operation](const KQProject&, ReplyBlock block) { return operation(std::move(block)); };
}

Fields orEmpty(const QStringList& names, bool full) {
    Fields fields;
    for (const QString& name : names) {
        fields.append({name, full ? name + "_v" : QString()});
    }
    return fields;
}

const Fields paging{{"start", "20"}, {"size", "10"}};

QList<Row> catalogue() {
    using L = KQHttpClientList;
    const Fields loginFixed{{"need_captcha", "false"}, {"return_token", "1"}, {"remember", "1"}};
    const QStringList orderFilter{"payment_start_time",
                                  "payment_end_time",
                                  "order_start_time",
                                  "order_end_time",
                                  "status",
                                  "item_name",
                                  "order_id",
                                  "name",
                                  "telephone"};
    const QStringList commentFilter{"start_time", "end_time", "replied", "item_name", "order_id"};
    const Fields stat = orEmpty({"start_time", "end_time", "source"}, true);
    return {
        {"login.do", L::request_Login, orEmpty({"mobile", "password"}, true) + loginFixed,
         orEmpty({"mobile", "password"}, false) + loginFixed},
        {"forgot/getSecurityCode.do", L::request_GetSecurityCode, orEmpty({"mobile"}, true),
         orEmpty({"mobile"}, false)},
        {"forgot/checkSecurityCode.do", L::request_CheckSecurityCode,
         orEmpty({"mobile", "security_code"}, true) + Fields{{"need_captcha", "false"}},
         orEmpty({"mobile", "security_code"}, false) + Fields{{"need_captcha", "false"}}},
        {"logout.do", noInput(L::request_LogoutBlock), {}, {}},
        {"homepage/get.do", noInput(L::request_HomepageBlock), {}, {}},
        {"system/get.do", noInput(L::request_SystemMsgBlock), {}, {}},
        {"system/updateSubdomain.do", L::request_UpdateSubdomainWith, orEmpty({"subdomain"}, true),
         orEmpty({"subdomain"}, false)},
        {"address/list.do", noInput(L::request_addressListBlock), {}, {}},
        {"address/delete.do", L::request_deleteAddressWith, orEmpty({"address_id"}, true),
         orEmpty({"address_id"}, false)},
        {"order/list.do", L::request_OrderListWith, orEmpty(orderFilter, true) + paging,
         orEmpty(orderFilter, false)},
        {"order/get.do", L::request_OrderDetailWith, orEmpty({"order_id"}, true),
         orEmpty({"order_id"}, false)},
        {"order/close.do", L::request_CloseOrderWith, orEmpty({"order_id", "reason"}, true),
         orEmpty({"order_id", "reason"}, false)},
        {"comment/list.do", L::request_CommentListWith, orEmpty(commentFilter, true) + paging,
         orEmpty(commentFilter, false)},
        {"comment/reply.do", L::request_CommentReplyWith, orEmpty({"comment_id", "content"}, true),
         orEmpty({"comment_id", "content"}, false)},
        {"waybill/send.do", L::request_SendGoodWith,
         orEmpty({"order_id", "company_id", "waybill_number"}, true),
         orEmpty({"order_id", "company_id", "waybill_number"}, false)},
        {"express/list.do", L::request_ExpressListWith, paging, {}},
        {"payaccount/binding/list.do", noInput(L::request_paypalAccountWith), {}, {}},
        {"paychannel/paypal/outh/outhUrlForApp.do",
         noInput(L::request_blindPaypalAccountWith),
         {},
         {}},
        {"payaccount/binding/delete.do",
         L::request_deleteBlindPaypalAccountWith,
         {{"channel", "channel_id_v"}},
         {{"channel", ""}}},
        {"item/category/list.do", L::getGoodsGroupWithProject, paging, {}},
        {"item/list.do",
         L::getGoodsListWithProject,
         orEmpty({"category_id", "item_name", "start_time", "end_time", "status", "orderby"},
                 true) +
             paging,
         {}},
        {"item/delete.do", L::deleteGoodsListWithProject, orEmpty({"item_id"}, true), {}},
        {"item/rsync/add.do", L::synchronousFacebookWithProject, orEmpty({"item_id"}, true), {}},
        {"item/stop.do", L::soldOutGoodsWithProject, orEmpty({"item_id"}, true), {}},
        {"item/start.do", L::shelvesGoodsWithProject, orEmpty({"item_id"}, true), {}},
        {"money/get.do", noInput(L::getmoneyManagerBlock), {}, {}},
        {"money/list.do",
         L::getTradingRecordListWithProject,
         orEmpty({"start_time", "end_time", "item_name", "order_id"}, true) + paging,
         {}},
        {"message/list.do",
         L::getMessageListWithProject,
         Fields{{"disable_auto_view", "1"}} + paging,
         {{"disable_auto_view", "1"}, {"start", "0"}, {"size", "10"}}},
        {"message/view.do", L::getMessageViewWithProject, orEmpty({"message_id"}, true),
         orEmpty({"message_id"}, false)},
        {"waybill/get.do", L::getLogisticsMassagerWithProject, orEmpty({"order_id"}, true),
         orEmpty({"order_id"}, false)},
        {"stat/pageview/list.do", L::getStatPageviewListWithProject, stat, {}},
        {"stat/order/list.do", L::getStatOrderListWithProject, stat, {}},
        {"stat/revenue/list.do", L::getStatRevenueListWithProject, stat, {}},
        {"item/category/group.do", noInput(L::getGoodsCatrListBlock), {}, {}},
    };
}

// The screens' records, as far as the catalogue reads them.
struct ShopProfile {
    QString shop_id = "s1", name = "新店", contacts = "王", logo = "l", province_id = "31",
            provinceName = "上海", city_id = "3101", cityName = "上海市", county = "浦东",
            detail_address = "路 1 号", email = "a@b.c", mobile = "138", subdomain = "x";
};

struct Address {
    std::optional<QString> address_id;
    QString name = "张三", province_id = "44", province_name = "广东", city_id = "4403",
            city_name = "深圳", county = "南山", postcode = "518000", telephone = "139",
            detail_address = "科技园 8 号";
    bool default_receive = true;
    bool default_send = false;
};

} // namespace

class CatalogueTest : public ServiceFixture {
protected:
    PeerRequest send(const std::function<KQRequest*(ReplyBlock)>& call) {
        const int before = static_cast<int>(peer.requests().size());
        auto outcome = std::make_shared<Outcome>();
        waitUntilFinished(call(recorder(outcome)));
        EXPECT_EQ(outcome->calls, 1);
        EXPECT_TRUE(outcome->reply);
        EXPECT_EQ(peer.requests().size(), before + 1);
        return peer.requests().value(before);
    }
};

TEST_F(CatalogueTest, EveryOperationPostsItsPathAndFields) {
    peer.setHandler([](const PeerRequest&) { return PeerReply::json(R"({"status":"success"})"); });
    for (const Row& row : catalogue()) {
        SCOPED_TRACE(row.path);
        const PeerRequest full = send([&](ReplyBlock b) { return row.call(fullBag(), b); });
        EXPECT_EQ(full.method, "POST");
        EXPECT_EQ(full.path, QByteArray("/") + row.path);
        EXPECT_EQ(full.form, row.withFullBag);
        const PeerRequest empty =
            send([&](ReplyBlock b) { return row.call(KQProject::project(), b); });
        EXPECT_EQ(empty.form, row.withEmptyBag);
    }
}

TEST_F(CatalogueTest, TheMessageListSendsTheBagsPaging) {
    peer.reply("message/list.do", PeerReply::json(R"({"status":"success"})"));
    KQProject& bag = KQProject::project();
    bag.start = 20;
    const PeerRequest got =
        send([&](ReplyBlock b) { return KQHttpClientList::getMessageListWithProject(bag, b); });
    EXPECT_EQ(got.field("start"), "20");
    EXPECT_EQ(got.field("size"), "10");
}

TEST_F(CatalogueTest, TheShopProfileIsSentWithItsNameAsShopName) {
    peer.reply("system/update.do", PeerReply::json(R"({"status":"success"})"));
    const PeerRequest got = send(
        [](ReplyBlock b) { return KQHttpClientList::request_UpdateMsgWith(ShopProfile{}, b); });
    EXPECT_EQ(got.form, (Fields{{"shop_name", "新店"},
                                {"contacts", "王"},
                                {"email", "a@b.c"},
                                {"province_id", "31"},
                                {"city_id", "3101"},
                                {"county", "浦东"},
                                {"detail_address", "路 1 号"}}));
}

TEST_F(CatalogueTest, AnAddressSendsItsFlagsAsTrueOrFalse) {
    peer.reply("address/save.do", PeerReply::json(R"({"status":"success"})"));
    const PeerRequest got =
        send([](ReplyBlock b) { return KQHttpClientList::request_saveAddressWith(Address{}, b); });
    EXPECT_EQ(got.form, (Fields{{"address_id", ""},
                                {"name", "张三"},
                                {"province_id", "44"},
                                {"province_name", "广东"},
                                {"city_id", "4403"},
                                {"city_name", "深圳"},
                                {"county", "南山"},
                                {"postcode", "518000"},
                                {"telephone", "139"},
                                {"detail_address", "科技园 8 号"},
                                {"default_receive", "true"},
                                {"default_send", "false"}}));
}

TEST_F(CatalogueTest, TheServiceAddressMayCarryAPath) {
    ASSERT_EQ(ServiceConfig::setServiceUrl(peer.baseUrl().toString() + "api"), QString());
    peer.reply("api/logout.do", PeerReply::json(R"({"status":"success"})"));
    const PeerRequest got = send(KQHttpClientList::request_LogoutBlock);
    EXPECT_EQ(got.path, "/api/logout.do");
}
