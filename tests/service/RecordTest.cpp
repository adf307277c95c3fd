#include "service/Record.h"

#include "service/KQProject.h"

#include <QJsonDocument>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Scalars {
    QString text;
    double real = 0;
    qint64 big = 0;
    int small = 0;
    bool flag = false;
    static const RecordFields<Scalars>& fields() {
        static const RecordFields<Scalars> table{{"text", &Scalars::text},
                                                 {"real", &Scalars::real},
                                                 {"big", &Scalars::big},
                                                 {"small", &Scalars::small},
                                                 {"flag", &Scalars::flag}};
        return table;
    }
};

struct Buyer {
    QString uid;
    QString nickname;
    static const RecordFields<Buyer>& fields() {
        static const RecordFields<Buyer> table{{"uid", &Buyer::uid},
                                               {"nickname", &Buyer::nickname}};
        return table;
    }
};

struct Item {
    QString item_id;
    double price = 0;
    int quantity = 0;
    static const RecordFields<Item>& fields() {
        static const RecordFields<Item> table{
            {"item_id", &Item::item_id}, {"price", &Item::price}, {"quantity", &Item::quantity}};
        return table;
    }
};

struct Order {
    QString order_id;
    QList<Item> item_list;
    std::optional<Buyer> buyer;
    Buyer address;
    QList<QString> tags;
    QJsonArray status_list;
    std::optional<QString> note;
    QDateTime seen;
    static const RecordFields<Order>& fields() {
        static const RecordFields<Order> table{
            {"order_id", &Order::order_id}, {"item_list", &Order::item_list},
            {"buyer", &Order::buyer},       {"address", &Order::address},
            {"tags", &Order::tags},         {"status_list", &Order::status_list},
            {"note", &Order::note},         {"seen", &Order::seen}};
        return table;
    }
};

QJsonObject object(const QByteArray& json) {
    return QJsonDocument::fromJson(json).object();
}

struct LenientCase {
    const char* json; // the value given to every field of Scalars
    QString text;
    double real;
    qint64 big;
    int small;
    bool flag;
};

void PrintTo(const LenientCase& c, std::ostream* out) {
    *out << c.json;
}

} // namespace

class LenientReading : public ::testing::TestWithParam<LenientCase> {};

TEST_P(LenientReading, EveryScalarTypeTakesWhatTheServiceSends) {
    const LenientCase& c = GetParam();
    const QByteArray v = c.json;
    const Scalars s = RecordMapper::fromJson<Scalars>(object(R"({"text":)" + v + R"(,"real":)" + v +
                                                             R"(,"big":)" + v + R"(,"small":)" + v +
                                                             R"(,"flag":)" + v + "}"));
    EXPECT_EQ(s.text, c.text);
    EXPECT_DOUBLE_EQ(s.real, c.real);
    EXPECT_EQ(s.big, c.big);
    EXPECT_EQ(s.small, c.small);
    EXPECT_EQ(s.flag, c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LenientReading,
    ::testing::Values(
        LenientCase{"12", "12", 12, 12, 12, true}, LenientCase{R"("12")", "12", 12, 12, 12, true},
        LenientCase{"12.5", "12.5", 12.5, 12, 12, true},
        LenientCase{R"(" 12.5 ")", " 12.5 ", 12.5, 12, 12, true},
        LenientCase{"0.1", "0.1", 0.1, 0, 0, true},
        LenientCase{"1463533200000", "1463533200000", 1463533200000.0, 1463533200000, 0, true},
        LenientCase{R"("1463533200000")", "1463533200000", 1463533200000.0, 1463533200000, 0, true},
        LenientCase{"-3", "-3", -3, -3, -3, true},
        LenientCase{"1e300", "1e+300", 1e300, 0, 0, true}, LenientCase{"0", "0", 0, 0, 0, false},
        LenientCase{"true", "true", 1, 1, 1, true}, LenientCase{R"("yes")", "yes", 0, 0, 0, true},
        LenientCase{R"("abc")", "abc", 0, 0, 0, false}, LenientCase{"null", "", 0, 0, 0, false},
        LenientCase{"{}", "", 0, 0, 0, false}, LenientCase{"[1]", "", 0, 0, 0, false}));

TEST(Records, MissingKeysGiveEmptyValuesAndUnknownKeysAreIgnored) {
    const Order order = RecordMapper::fromJson<Order>(object(R"({"unknown":1,"address":null})"));
    EXPECT_TRUE(order.order_id.isEmpty());
    EXPECT_TRUE(order.item_list.isEmpty());
    EXPECT_FALSE(order.buyer);
    EXPECT_TRUE(order.address.nickname.isEmpty());
    EXPECT_FALSE(order.note);
    EXPECT_FALSE(order.seen.isValid());
}

TEST(Records, NestedRecordsAndArraysOfRecordsAreMapped) {
    const Order order = RecordMapper::fromJson<Order>(object(R"({
        "order_id": 77,
        "item_list": [{"item_id":"a","price":"9.99","quantity":"2"}, "junk", {"item_id":"b"}],
        "buyer": {"uid": 5, "nickname": "小明"},
        "address": {"nickname": "收货人"},
        "tags": ["x", 2],
        "status_list": [{"status":"payment"}],
        "note": "hi"
    })"));
    EXPECT_EQ(order.order_id, "77");
    ASSERT_EQ(order.item_list.size(), 2);
    EXPECT_EQ(order.item_list[0].item_id, "a");
    EXPECT_DOUBLE_EQ(order.item_list[0].price, 9.99);
    EXPECT_EQ(order.item_list[0].quantity, 2);
    EXPECT_EQ(order.item_list[1].item_id, "b");
    ASSERT_TRUE(order.buyer);
    EXPECT_EQ(order.buyer->uid, "5");
    EXPECT_EQ(order.buyer->nickname, "小明");
    EXPECT_EQ(order.address.nickname, "收货人");
    EXPECT_EQ(order.tags, (QList<QString>{"x", "2"}));
    EXPECT_EQ(order.status_list.first().toObject().value("status").toString(), "payment");
    EXPECT_EQ(order.note, "hi");
}

TEST(Records, ANestedValueThatIsNoObjectGivesNoRecord) {
    const Order order =
        RecordMapper::fromJson<Order>(object(R"({"buyer":"nobody","item_list":{"a":1}})"));
    EXPECT_FALSE(order.buyer);
    EXPECT_TRUE(order.item_list.isEmpty());
}

TEST(Records, RecordToJsonAndBackKeepsEveryField) {
    Order order;
    order.order_id = "9";
    order.item_list = {Item{"i", 1.25, 3}};
    order.buyer = Buyer{"u", "n"};
    order.tags = {"t"};
    order.note = "备注";
    order.seen = QDateTime(QDate(2016, 6, 17), QTime(9, 0, 0, 5), Qt::UTC);
    const QJsonObject json = RecordMapper::toJson(order);
    EXPECT_TRUE(json.value("address").isObject());
    const Order back = RecordMapper::fromJson<Order>(json);
    EXPECT_EQ(RecordMapper::toJson(back), json);
    EXPECT_EQ(back.seen, order.seen);
    EXPECT_EQ(back.item_list.value(0).quantity, 3);
}

TEST(Records, AssignChangesOnlyThePresentKeys) {
    Item item{"keep", 5, 1};
    RecordMapper::assign(item, object(R"({"price":6,"other":true})"));
    EXPECT_EQ(item.item_id, "keep");
    EXPECT_EQ(item.price, 6);
    EXPECT_EQ(item.quantity, 1);
}

TEST(Records, ListFromJsonMapsAnArrayInOrder) {
    const auto items = RecordMapper::listFromJson<Item>(
        QJsonDocument::fromJson(R"([{"item_id":"1"},{"item_id":"2"}])").array());
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[1].item_id, "2");
    EXPECT_TRUE(RecordMapper::listFromJson<Item>(QJsonValue("not a list")).isEmpty());
}

TEST(KQProjectBag, GetPropertiesListsTheFieldsInDeclarationOrder) {
    const QStringList expected{"mobile",
                               "password",
                               "security_code",
                               "start",
                               "size",
                               "goodsName",
                               "address_id",
                               "payment_start_time",
                               "payment_end_time",
                               "order_start_time",
                               "order_end_time",
                               "status",
                               "item_name",
                               "order_id",
                               "name",
                               "telephone",
                               "replied",
                               "comment_id",
                               "content",
                               "subdomain",
                               "reason",
                               "company_id",
                               "waybill_number",
                               "channel_id",
                               "category_id",
                               "start_time",
                               "end_time",
                               "orderby",
                               "item_id",
                               "source",
                               "message_id"};
    EXPECT_EQ(KQProject::getProperties<KQProject>(), expected);
    EXPECT_EQ(KQProject::getProperties<Item>(), (QStringList{"item_id", "price", "quantity"}));
}

TEST(KQProjectBag, ProjectClearsWhatAnotherScreenSet) {
    KQProject& first = KQProject::project();
    first.order_id = "42";
    first.start = 20;
    first.message_id = "m";
    KQProject& second = KQProject::project();
    EXPECT_EQ(&first, &second);
    for (const QJsonValue& value : RecordMapper::toJson(second)) {
        EXPECT_TRUE(value.isNull());
    }
}
