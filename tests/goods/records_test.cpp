#include "GoodsFixture.h"
#include "goods/KQSGoodsCell.h"
#include "goods/KQSGoodsModel.h"
#include "platform/Defaults.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 kOneDayMs = 86400000;

QList<KQSGoodsModel> mapOne(const QJsonObject& element) {
    return GoodsPayload::goodsPage(GoodsJson::reply(QJsonObject{{"list", QJsonArray{element}}}));
}

TEST(GoodsRecords, AGoodsItemMapsEveryFieldAndDropsUnknownKeys) {
    QJsonObject json = GoodsJson::goods("2001", "连衣裙");
    json.insert("price", "12.5");
    json.insert("inventory", QJsonValue::Null);
    json.insert("to_facebook", 1);
    json.insert("surprise", QJsonObject{{"a", 1}});
    const QList<KQSGoodsModel> goods = mapOne(json);
    ASSERT_EQ(goods.size(), 1);
    const KQSGoodsModel& item = goods.first();
    EXPECT_EQ(item.item_id, "2001");
    EXPECT_EQ(item.name, "连衣裙");
    EXPECT_DOUBLE_EQ(item.price, 12.5);
    EXPECT_EQ(item.inventory, 0);
    EXPECT_EQ(item.sale_count, 3);
    EXPECT_TRUE(item.to_facebook);
    EXPECT_EQ(item.published, "1");
    ASSERT_EQ(item.category_list.size(), 2);
    EXPECT_EQ(item.category_list.at(0).name, "服装");
    EXPECT_EQ(item.category_list.at(1).parent_id, "11");
}

TEST(GoodsRecords, TheModificationTimeIsLocalTextAndEmptyWhenNotSent) {
    const TimeZoneGuard zone(kGoodsTimeZone);
    struct Case {
        const char* what;
        QJsonValue lmodify;
        bool present;
        const char* text;
    };
    const Case cases[] = {
        {"number", kOneDayMs, true, "1970-01-02 08:00:00"},
        {"numeric text", QString::number(kOneDayMs), true, "1970-01-02 08:00:00"},
        {"absent", QJsonValue::Undefined, false, ""},
        {"null", QJsonValue::Null, true, ""},
        {"not a number", "yesterday", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QJsonObject json = GoodsJson::goods("1");
        json.remove("lmodify");
        if (c.present) {
            json.insert("lmodify", c.lmodify);
        }
        EXPECT_EQ(mapOne(json).first().lmodify, QString::fromUtf8(c.text));
    }
}

TEST(GoodsRecords, CategoryListsOfEveryShapeMapToAListAndTheGroupLine) {
    struct Case {
        const char* what;
        QJsonValue categories; // Undefined: the key is absent
        QString gourp;
        int count;
        const char* groupLine;
    };
    const QJsonObject clothes = GoodsJson::category("11", "服装");
    const QJsonObject women = GoodsJson::category("111", "女装", "11");
    const QJsonObject kids = GoodsJson::category("113", "童装", "11");
    const Case cases[] = {
        {"null", QJsonValue::Null, "未分组", 0, "所属分组: 未分组"},
        {"empty", QJsonArray{}, "", 0, "所属分组: 全部"},
        {"absent", QJsonValue::Undefined, "", 0, "所属分组: 全部"},
        {"one", QJsonArray{clothes}, "未分组", 1, "所属分组: 服装"},
        {"two", QJsonArray{clothes, women}, "", 2, "所属分组: 服装>女装"},
        {"three, the third kept but not shown", QJsonArray{clothes, women, kids}, "", 3,
         "所属分组: 服装>女装"},
        {"not an array", QJsonObject{{"0", clothes}}, "", 0, "所属分组: 全部"},
        {"text", "服装", "", 0, "所属分组: 全部"},
        {"elements that are no objects", QJsonArray{"服装", 7, QJsonValue::Null, women}, "", 1,
         "所属分组: 女装"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QJsonObject json = GoodsJson::goods("1");
        json.remove("category_list");
        if (!c.categories.isUndefined()) {
            json.insert("category_list", c.categories);
        }
        json.insert("gourp", c.gourp);
        const QList<KQSGoodsModel> goods = mapOne(json);
        ASSERT_EQ(goods.size(), 1);
        EXPECT_EQ(goods.first().category_list.size(), c.count);
        EXPECT_EQ(KQSGoodsCell::groupText(goods.first()), QString::fromUtf8(c.groupLine));
    }
}

TEST(GoodsRecords, PagesOfOddShapesGiveNoGoods) {
    const QJsonValue shapes[] = {
        QJsonValue::Undefined,
        QJsonValue::Null,
        QJsonArray{GoodsJson::goods("1")},
        QJsonObject{},
        QJsonObject{{"list", QJsonObject{{"0", GoodsJson::goods("1")}}}},
        QJsonObject{{"list", "none"}},
        QJsonObject{{"list", QJsonArray{1, "two", QJsonValue::Null}}},
    };
    for (const QJsonValue& data : shapes) {
        QJsonObject reply{{"status", "success"}};
        if (!data.isUndefined()) {
            reply.insert("data", data);
        }
        SCOPED_TRACE(QJsonDocument(reply).toJson(QJsonDocument::Compact).toStdString());
        EXPECT_TRUE(GoodsPayload::goodsPage(reply).isEmpty());
    }
    const QJsonObject mixed = GoodsJson::reply(
        QJsonObject{{"list", QJsonArray{"x", GoodsJson::goods("7"), QJsonArray{}}}});
    ASSERT_EQ(GoodsPayload::goodsPage(mixed).size(), 1);
    EXPECT_EQ(GoodsPayload::goodsPage(mixed).first().item_id, "7");
}

TEST(GoodsRecords, TheCategoryTreeKeepsItsOrderAndAlwaysHasASecondLevel) {
    QJsonObject noChildren = GoodsJson::firstLevel("15", "节日礼品", 0);
    noChildren.insert("category_list", QJsonValue::Null);
    QJsonObject absentChildren = GoodsJson::firstLevel("16", "其他", 0);
    absentChildren.remove("category_list");
    const QJsonObject reply = GoodsJson::reply(
        QJsonArray{GoodsJson::firstLevel("11", "服装", 3), "stray", noChildren, absentChildren});
    const QList<KQSOneGoodsCategoryModel> tree = GoodsPayload::categoryTree(reply);
    ASSERT_EQ(tree.size(), 3);
    EXPECT_EQ(tree.at(0).name, "服装");
    ASSERT_EQ(tree.at(0).category_list.size(), 3);
    EXPECT_EQ(tree.at(0).category_list.at(2).category_id, "113");
    EXPECT_EQ(tree.at(0).category_list.at(2).parent_id, "11");
    EXPECT_TRUE(tree.at(1).category_list.isEmpty());
    EXPECT_TRUE(tree.at(2).category_list.isEmpty());
    for (const KQSOneGoodsCategoryModel& entry : tree) {
        EXPECT_FALSE(entry.isOpening);
    }
    EXPECT_TRUE(GoodsPayload::categoryTree(GoodsJson::reply(QJsonObject{})).isEmpty());
    EXPECT_TRUE(GoodsPayload::categoryTree(QJsonObject{{"status", "success"}}).isEmpty());
}

class ShopCategoryStore : public ServiceFixture {
protected:
    static QJsonArray stored() {
        return QJsonArray::fromVariantList(
            Defaults::value(GoodsPayload::goodsCategoryKey()).toList());
    }
};

TEST_F(ShopCategoryStore, AListReplacesTheCopyAndOddRepliesNeverEraseIt) {
    const QJsonArray first{GoodsJson::category("11", "服装"), GoodsJson::category("12", "鞋包")};
    GoodsPayload::storeShopCategories(GoodsJson::reply(QJsonObject{{"list", first}}));
    EXPECT_EQ(stored(), first);

    const QJsonValue odd[] = {QJsonValue::Undefined,
                              QJsonValue::Null,
                              QJsonArray{first},
                              QJsonObject{},
                              QJsonObject{{"list", QJsonValue::Null}},
                              QJsonObject{{"list", "服装"}},
                              QJsonObject{{"list", QJsonObject{{"0", first.first()}}}}};
    for (const QJsonValue& data : odd) {
        QJsonObject reply{{"status", "success"}};
        if (!data.isUndefined()) {
            reply.insert("data", data);
        }
        SCOPED_TRACE(QJsonDocument(reply).toJson(QJsonDocument::Compact).toStdString());
        GoodsPayload::storeShopCategories(reply);
        EXPECT_EQ(stored(), first);
    }

    const QJsonArray second{GoodsJson::category("15", "节日礼品")};
    GoodsPayload::storeShopCategories(GoodsJson::reply(QJsonObject{{"list", second}}));
    Defaults::redirectTo(folder.path()); // as after a restart
    EXPECT_EQ(stored(), second);
}

} // namespace
