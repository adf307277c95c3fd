#pragma once

#include "service/Record.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The payload records of the goods screens. Member names are the service's JSON keys.

// One category: a goods item's category, or a second-level entry of the category tree.
struct KQSGoodsCategoryModel {
    QString category_id;
    QString parent_id;
    QString name;
    QString posttime;
    static const RecordFields<KQSGoodsCategoryModel>& fields();
};

// One goods item of the goods list and the goods search.
struct KQSGoodsModel {
    QString item_id;
    QString name;
    QString img;
    QList<KQSGoodsCategoryModel> category_list;
    double price = 0;
    qint64 inventory = 0;
    qint64 sale_count = 0;
    // The date-time text of the last change; empty when the service sent no time.
    QString lmodify;
    QString posttime;
    QString published;
    bool to_facebook = false;
    QString gourp; // the service spells the key so
    static const RecordFields<KQSGoodsModel>& fields();
};

// One first-level category of the category tree with its second level.
struct KQSOneGoodsCategoryModel {
    QString category_id;
    QString name;
    QString posttime;
    QList<KQSGoodsCategoryModel> category_list;
    // Whether the category menu shows this entry unfolded; never in a payload.
    bool isOpening = false;
    static const RecordFields<KQSOneGoodsCategoryModel>& fields();
};

// Reading the goods payloads out of a successful reply envelope. Shapes the records do not
// expect (a list that is no array, elements that are no objects) give no records.
namespace GoodsPayload {
// "data" -> "list" of "item/list.do".
QList<KQSGoodsModel> goodsPage(const QJsonObject& reply);
// "data" of "item/category/group.do", itself the array of first-level categories.
QList<KQSOneGoodsCategoryModel> categoryTree(const QJsonObject& reply);

// The user-defaults key of the shop's category list.
QString goodsCategoryKey();
// Keeps "data" -> "list" of "item/category/list.do" under goodsCategoryKey(). A reply without
// such an array leaves the kept copy as it was.
void storeShopCategories(const QJsonObject& reply);
} // namespace GoodsPayload
