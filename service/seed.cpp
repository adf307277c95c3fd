#include "seed.h"

#include "requestrules.h"
#include "statdays.h"
#include "store.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr qint64 kMinute = 60LL * 1000;
constexpr qint64 kHour = 60 * kMinute;
constexpr qint64 kDay = 24 * kHour;
constexpr char kPaypalAccount[] = "demo.seller@paypal.example";

struct Buyer {
    const char* nickname;
    const char* province;
    const char* city;
    const char* postcode;
    const char* telephone;
    const char* street;
};

const Buyer kBuyers[] = {
    {"Emily Johnson", "California", "Los Angeles", "90012", "+1 213-555-0142", "350 S Grand Ave"},
    {"Michael Brown", "New York", "New York", "10001", "+1 212-555-0178", "500 W 33rd St"},
    {"Sophia Martinez", "Texas", "Houston", "77002", "+1 713-555-0110", "1001 Fannin St"},
    {"James Wilson", "Washington", "Seattle", "98101", "+1 206-555-0199", "1420 5th Ave"},
    {"Olivia Davis", "Florida", "Miami", "33131", "+1 305-555-0123", "801 Brickell Ave"},
    {"William Garcia", "Illinois", "Chicago", "60601", "+1 312-555-0165", "233 S Wacker Dr"},
    {"Ava Thompson", "Massachusetts", "Boston", "02110", "+1 617-555-0133", "100 Federal St"},
    {"Liam Anderson", "Oregon", "Portland", "97204", "+1 503-555-0187", "1120 SW 5th Ave"},
};

struct Category {
    const char* id;
    const char* parent;
    const char* name;
};

// The last one has no goods and no second level, so the empty state of a category can be seen;
// it comes last, so every earlier id and the first page of the list stay as they were.
const Category kCategories[] = {
    {"11", "", "服装"},      {"111", "11", "女装"},     {"112", "11", "男装"},
    {"113", "11", "童装"},   {"12", "", "鞋包"},        {"121", "12", "女鞋"},
    {"122", "12", "男鞋"},   {"123", "12", "箱包"},     {"13", "", "数码配件"},
    {"131", "13", "手机壳"}, {"132", "13", "耳机"},     {"133", "13", "充电器"},
    {"14", "", "家居"},      {"141", "14", "厨房用品"}, {"142", "14", "收纳整理"},
    {"15", "", "节日礼品"},
};

struct Goods {
    const char* name;
    const char* category;
    const char* variant;
};

const Goods kGoods[] = {
    {"夏季碎花雪纺连衣裙", "111", "颜色=蓝色,尺码=M"},
    {"高腰阔腿牛仔裤", "111", "颜色=浅蓝,尺码=S"},
    {"法式复古衬衫", "111", "颜色=白色,尺码=L"},
    {"针织开衫外套", "111", "颜色=米色,尺码=M"},
    {"纯棉圆领男士T恤", "112", "颜色=黑色,尺码=XL"},
    {"商务休闲西装外套", "112", "颜色=藏青,尺码=L"},
    {"男士速干运动短裤", "112", "颜色=灰色,尺码=M"},
    {"连帽卫衣", "112", "颜色=酒红,尺码=L"},
    {"儿童卡通印花套装", "113", "颜色=黄色,尺码=110"},
    {"婴儿纯棉连体衣", "113", "颜色=粉色,尺码=73"},
    {"女童公主纱裙", "113", "颜色=白色,尺码=120"},
    {"男童防风夹克", "113", "颜色=绿色,尺码=130"},
    {"尖头细跟高跟鞋", "121", "颜色=黑色,尺码=37"},
    {"平底乐福鞋", "121", "颜色=棕色,尺码=38"},
    {"厚底休闲帆布鞋", "121", "颜色=白色,尺码=36"},
    {"真皮商务皮鞋", "122", "颜色=黑色,尺码=42"},
    {"轻便透气跑步鞋", "122", "颜色=灰色,尺码=43"},
    {"户外登山靴", "122", "颜色=卡其,尺码=41"},
    {"真皮手提托特包", "123", "颜色=焦糖,规格=大号"},
    {"双肩通勤电脑包", "123", "颜色=黑色,规格=15寸"},
    {"迷你斜挎链条包", "123", "颜色=红色,规格=小号"},
    {"万向轮登机箱", "123", "颜色=银色,规格=20寸"},
    {"iPhone 15 透明防摔壳", "131", "颜色=透明,型号=15"},
    {"磁吸皮革手机壳", "131", "颜色=棕色,型号=15 Pro"},
    {"卡通硅胶手机壳", "131", "颜色=粉色,型号=14"},
    {"蓝牙降噪耳机", "132", "颜色=黑色"},
    {"运动挂耳式耳机", "132", "颜色=白色"},
    {"头戴式游戏耳机", "132", "颜色=红黑"},
    {"氮化镓65W快充充电器", "133", "规格=美规"},
    {"三合一无线充电座", "133", "颜色=白色"},
    {"20000mAh移动电源", "133", "颜色=黑色"},
    {"不锈钢保温杯", "141", "颜色=墨绿,容量=500ml"},
    {"硅胶厨具五件套", "141", "颜色=灰色"},
    {"日式陶瓷餐具套装", "141", "规格=四人份"},
    {"手冲咖啡壶", "141", "容量=600ml"},
    {"可折叠收纳箱", "142", "颜色=米白,规格=大号"},
    {"透明抽屉式收纳盒", "142", "规格=三层"},
    {"衣柜真空压缩袋", "142", "规格=8件装"},
    {"桌面化妆品收纳架", "142", "颜色=白色"},
    {"香薰蜡烛礼盒", "", "规格=3只装"},
};

const char* const kExpress[][2] = {
    {"SF", "顺丰速运"},    {"EMS", "中国邮政EMS"}, {"DHL", "DHL国际快递"}, {"UPS", "UPS"},
    {"FEDEX", "联邦快递"}, {"YTO", "圆通速递"},    {"ZTO", "中通快递"},    {"YUN", "云途物流"},
};

const char* const kStatusCycle[] = {"payment", "payment-done", "deliver", "receive",
                                    "balance", "comment",      "closed"};

const char* const kSources[] = {"Facebook", "", "独立站", "Instagram"};

const char* const kCommentTexts[] = {
    "质量很好，和图片一样，物流也很快！",
    "Great quality, fits perfectly. Will buy again.",
    "颜色比想象中稍深一点，不过整体满意。",
    "包装很用心，送朋友很合适。",
    "Arrived a bit late but the product is nice.",
    "做工精细，性价比高，推荐购买。",
    "尺码偏小，建议买大一号。",
    "Not as described, the material feels cheap.",
    "第二次购买了，一如既往的好。",
    "客服回复很及时，问题很快解决了。",
};

const int kScores[] = {5, 5, 4, 5, 3, 5, 4, 2, 5, 1};

double goodsPrice(int index) {
    return cents(9.99 + (index * 37 % 120) + (index % 3) * 0.5);
}

bool goodsPublished(int index) {
    return (index + 1) % 5 != 0;
}

qint64 goodsInventory(int index) {
    return (index + 1) % 5 == 3 ? 0 : 20 + (index * 7) % 180;
}

QString json(const QJsonObject& object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

class Seeder {
public:
    Seeder(Store& store, qint64 now) : m_store(store), m_now(now) {}

    void run() {
        seedShop();
        seedExpress();
        seedCategoriesAndGoods();
        for (int i = 0; i < 60; ++i) {
            seedOrder(i);
        }
        seedComments();
        seedMessages();
        seedAddresses();
        seedStatistics();
    }

private:
    void seedShop() {
        const QString salt = newSalt();
        m_store.run("INSERT INTO shops (shop_id, mobile, password_hash, salt, name, contacts, logo,"
                    " province_id, city_id, county, detail_address, email, subdomain)"
                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    {kDemoShopId, kDemoMobile, hashPassword(kDemoPassword, salt), salt,
                     "悦购跨境旗舰店", "陈晓明", "img/logo/1.png", "440000", "440300", "南山区",
                     "粤海街道科技园路1号", "owner@yuegou-shop.example", ""});
        m_store.run("INSERT INTO paypal_bindings (shop_id, channel_id, channel_name, account,"
                    " posttime) VALUES (?, 'Paypal', 'PayPal', ?, ?)",
                    {kDemoShopId, kPaypalAccount, m_now - 90 * kDay});
    }

    void seedExpress() {
        int pos = 0;
        for (const auto& company : kExpress) {
            m_store.run("INSERT INTO express (company_id, name, pos) VALUES (?, ?, ?)",
                        {company[0], company[1], pos++});
        }
    }

    void seedCategoriesAndGoods() {
        int pos = 0;
        for (const Category& category : kCategories) {
            m_store.run("INSERT INTO categories (category_id, shop_id, parent_id, name, posttime,"
                        " pos) VALUES (?, ?, ?, ?, ?, ?)",
                        {category.id, kDemoShopId, category.parent, category.name,
                         m_now - 200 * kDay, pos++});
        }
        for (int i = 0; i < 40; ++i) {
            const Goods& goods = kGoods[i];
            const QString itemId = QString::number(2001 + i);
            const bool filed = QString(goods.category).size() > 0;
            m_store.run(
                "INSERT INTO items (item_id, shop_id, name, img, price, inventory,"
                " sale_count, lmodify, posttime, published, to_facebook, gourp)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {itemId, kDemoShopId, goods.name, "img/goods/" + QString::number(i + 1) + ".png",
                 goodsPrice(i), goodsInventory(i), (i * 13) % 300 + 3, m_now - i * 3 * kHour,
                 m_now - (30 + i) * kDay, goodsPublished(i), i % 4 == 0, filed ? "" : "未分组"});
            if (filed) {
                const QString child = goods.category;
                m_store.run("INSERT INTO item_categories (item_id, category_id, pos)"
                            " VALUES (?, ?, 0), (?, ?, 1)",
                            {itemId, child.left(2), itemId, child});
            }
        }
    }

    qint64 orderStart(int i, const QString& status) const {
        if (status == "payment") {
            return m_now - (i / 7 + 1) * 40 * kMinute;
        }
        static const QHash<QString, qint64> age{{"deliver", kDay},
                                                {"receive", 6 * kDay},
                                                {"balance", 8 * kDay},
                                                {"comment", 10 * kDay}};
        return m_now - (i + 1) * 5 * kHour - age.value(status);
    }

    void history(const QString& orderId, int& pos, const QString& status, qint64 time,
                 qint64 expiry = 0, const QString& reason = {}, double refund = 0) {
        m_store.run("INSERT INTO order_history (order_id, pos, status, posttime, expiry_time,"
                    " operator, reason, refund_amount) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                    {orderId, pos++, status, time, expiry, status == "closed" ? "seller" : "buyer",
                     reason, refund});
    }

    double seedItems(const QString& orderId, int i, double& discounts) {
        double sum = 0;
        const int count = 1 + i % 3;
        for (int k = 0; k < count; ++k) {
            const int g = (i * 3 + k * 7) % 40;
            const int quantity = 1 + (i + k) % 3;
            const double discount = (k == 0 && i % 4 == 0) ? 2.0 : 0.0;
            const double amount = cents(goodsPrice(g) * quantity - discount);
            const QJsonObject coupon =
                discount > 0 ? QJsonObject{{"name", "满20减2"}, {"over", 20.0}, {"money", 2.0}}
                             : QJsonObject{{"name", ""}, {"over", 0.0}, {"money", 0.0}};
            m_store.run("INSERT INTO order_items (order_id, pos, item_id, name, img, spec_key,"
                        " price, original_price, quantity, discount_amount, amount, coupon_json)"
                        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        {orderId, k, QString::number(2001 + g), kGoods[g].name,
                         "img/goods/" + QString::number(g + 1) + ".png", kGoods[g].variant,
                         goodsPrice(g), cents(goodsPrice(g) * 1.2), quantity, discount, amount,
                         json(coupon)});
            sum += amount;
            discounts += discount;
        }
        return sum;
    }

    void seedOrder(int i) {
        const QString orderId = QString::number(100001 + i);
        const QString status = kStatusCycle[i % 7];
        const Buyer& buyer = kBuyers[i % 8];
        const qint64 t0 = orderStart(i, status);
        const bool paid = status != "payment" && !(status == "closed" && i % 2 == 1);
        const double shipping = i % 3 == 0 ? 0.0 : 6.5;
        double discounts = 0;
        const double amount = cents(seedItems(orderId, i, discounts) + shipping);
        const QJsonObject address{
            {"address_id", QString::number(9001 + i % 8)},
            {"name", buyer.nickname},
            {"country_id", "US"},
            {"country_name", "United States"},
            {"province_name", buyer.province},
            {"city", buyer.city},
            {"postcode", buyer.postcode},
            {"telephone", buyer.telephone},
            {"detail_address", buyer.street},
            {"detail_address2", i % 2 ? "Apt " + QString::number(100 + i) : ""},
            {"default_address", "1"}};
        m_store.run(
            "INSERT INTO orders (order_id, shop_id, status, rights_status, source, posttime,"
            " payment_time, total_cost, original_cost, amount, original_amount, message,"
            " buyer_uid, buyer_nickname, receiver_name, receiver_telephone, address_json)"
            " VALUES (?, ?, ?, '', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {orderId, kDemoShopId, status, kSources[i % 4], t0,
             paid ? QVariant(t0 + 30 * kMinute) : QVariant(), shipping, shipping, amount,
             cents(amount + discounts), i % 5 == 0 ? "请尽快发货，谢谢！" : "",
             QString::number(700001 + i % 8), buyer.nickname, buyer.nickname, buyer.telephone,
             json(address)});
        int pos = 0;
        history(orderId, pos, "payment", t0, t0 + kDay);
        if (paid) {
            history(orderId, pos, "payment-done", t0 + 30 * kMinute);
            seedTrade(orderId, buyer.nickname, kSources[i % 4], t0 + 30 * kMinute, amount);
        }
        if (status == "closed") {
            const qint64 closedAt = paid ? t0 + 2 * kHour : t0 + kDay;
            history(orderId, pos, "closed", closedAt, 0,
                    paid ? "买家申请取消订单" : "买家超时未付款", paid ? amount : 0.0);
            if (paid) {
                seedTrade(orderId, buyer.nickname, kSources[i % 4], closedAt, -amount);
            }
            return;
        }
        if (status == "payment" || status == "payment-done") {
            return;
        }
        const qint64 shipped = t0 + 20 * kHour;
        history(orderId, pos, "deliver", shipped, shipped + 15 * kDay);
        const bool received = status != "deliver";
        if (received) {
            history(orderId, pos, "receive", shipped + 4 * kDay);
        }
        if (status == "balance" || status == "comment") {
            history(orderId, pos, "balance", shipped + 5 * kDay);
        }
        if (status == "comment") {
            history(orderId, pos, "comment", shipped + 6 * kDay);
        }
        seedWaybill(orderId, i, shipped, shipping, received, buyer.city);
    }

    void seedTrade(const QString& orderId, const QString& trader, const QString& source,
                   qint64 time, double amount) {
        const bool refund = amount < 0;
        const double paymentCharge = refund ? 0.0 : cents(amount * 0.029 + 0.30);
        const double platformCharge = refund ? 0.0 : cents(amount * 0.02);
        const double withhold = cents(paymentCharge + platformCharge);
        m_store.run("INSERT INTO trades (trade_id, shop_id, order_id, trader, posttime, type,"
                    " source, amount, withhold, payment_charge, platform_charge, commission,"
                    " point, point_amount, income, paypal)"
                    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, ?, ?)",
                    {QString::number(50001 + m_trades++), kDemoShopId, orderId, trader, time,
                     refund ? "退款" : "订单收入", source, amount, withhold, paymentCharge,
                     platformCharge, cents(amount - withhold), kPaypalAccount});
    }

    void seedWaybill(const QString& orderId, int i, qint64 shipped, double cost, bool received,
                     const QString& city) {
        const auto& company = kExpress[i % 8];
        const QString number = QString(company[0]) + QString::number(1000000000LL + i * 7919LL);
        const qint64 waybillId =
            m_store.insert("INSERT INTO waybills (order_id, company_id, number, posttime, cost)"
                           " VALUES (?, ?, ?, ?, ?)",
                           {orderId, company[0], number, shipped, cost});
        const QList<QPair<qint64, QString>> steps{
            {shipped, QString("【深圳市】%1 已揽收").arg(company[1])},
            {shipped + 3 * kHour, "快件已到达【深圳国际转运中心】"},
            {shipped + 10 * kHour, "快件已出口清关，航班已起飞"},
            {shipped + 2 * kDay, QString("快件已到达【%1】分拨中心").arg(city)},
            {shipped + 3 * kDay, "派送中，派送员电话 +1 555-0100"},
        };
        for (const auto& [time, content] : steps) {
            if (time <= m_now) {
                m_store.run(
                    "INSERT INTO waybill_steps (waybill_id, time, content) VALUES (?, ?, ?)",
                    {waybillId, time, content});
            }
        }
        if (received) {
            m_store.run("INSERT INTO waybill_steps (waybill_id, time, content) VALUES (?, ?, ?)",
                        {waybillId, shipped + 4 * kDay - 2 * kHour, "已签收，签收人：本人"});
        }
    }

    void seedComments() {
        QSqlQuery orders =
            m_store.run("SELECT o.order_id, o.buyer_uid, o.buyer_nickname, h.posttime, COUNT(i.pos)"
                        " FROM orders o JOIN order_history h ON h.order_id = o.order_id"
                        " AND h.status = 'receive' JOIN order_items i ON i.order_id = o.order_id"
                        " GROUP BY o.order_id ORDER BY o.order_id");
        QList<QVariantList> rows;
        while (orders.next()) {
            rows.append({orders.value(0), orders.value(1), orders.value(2), orders.value(3),
                         orders.value(4)});
        }
        int n = 0;
        for (int round = 0; n < 30 && round < 3; ++round) {
            for (const QVariantList& row : rows) {
                if (n >= 30 || round >= row.at(4).toInt()) {
                    continue;
                }
                const qint64 time = row.at(3).toLongLong() + (1 + round) * kHour;
                const bool replied = n % 5 == 0 || n % 5 == 2;
                m_store.run("INSERT INTO comments (comment_id, shop_id, order_id, item_pos,"
                            " content, score, posttime, buyer_uid, buyer_nickname, reply_id,"
                            " reply_content, reply_time) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                            " ?, ?)",
                            {QString::number(30001 + n), kDemoShopId, row.at(0), round,
                             kCommentTexts[n % 10], kScores[n % 10], time, row.at(1), row.at(2),
                             replied ? QVariant("R" + QString::number(30001 + n)) : QVariant(),
                             replied ? QVariant("感谢您的支持，期待再次光临！") : QVariant(),
                             replied ? QVariant(time + 3 * kHour) : QVariant()});
                ++n;
            }
        }
    }

    void seedMessages() {
        struct Note {
            int orderIndex;
            const char* text;
        };
        const Note notes[] = {
            {1, "买家已付款，请尽快发货"},    {8, "买家已付款，请尽快发货"},
            {-1, "您的店铺资料已通过审核"},   {2, "订单已发货，等待买家收货"},
            {15, "买家已付款，请尽快发货"},   {3, "买家已确认收货"},
            {5, "买家评价了您的订单"},        {9, "订单已发货，等待买家收货"},
            {-1, "PayPal 收款账户绑定成功"},  {6, "订单已关闭"},
            {12, "买家评价了您的订单"},       {10, "买家已确认收货"},
            {22, "买家已付款，请尽快发货"},   {-1, "平台规则更新：跨境物流时效要求调整"},
            {16, "订单已发货，等待买家收货"},
        };
        int n = 0;
        for (const Note& note : notes) {
            const QString orderId =
                note.orderIndex >= 0 ? QString::number(100001 + note.orderIndex) : QString();
            const QString content =
                orderId.isEmpty() ? QString(note.text) : "订单" + orderId + "：" + note.text;
            m_store.run("INSERT INTO messages (message_id, shop_id, content, viewed, url, posttime,"
                        " type, order_id) VALUES (?, ?, ?, ?, '', ?, ?, ?)",
                        {QString::number(60001 + n), kDemoShopId, content, n >= 6,
                         m_now - (n + 1) * 3 * kHour, orderId.isEmpty() ? "system" : "order",
                         orderId});
            ++n;
        }
    }

    void seedAddresses() {
        const char* const addresses[][10] = {
            {"张伟", "440000", "广东省", "440300", "深圳市", "南山区", "518000", "13800138001",
             "科技园南区高新南七道18号", "send"},
            {"李娜", "330000", "浙江省", "330100", "杭州市", "西湖区", "310000", "13900139002",
             "文三路90号东部软件园3号楼", "receive"},
            {"王强", "310000", "上海市", "310100", "上海市", "浦东新区", "200120", "13700137003",
             "陆家嘴环路1000号", ""},
            {"刘洋", "330000", "浙江省", "330700", "金华市", "义乌市", "322000", "15800158004",
             "国际商贸城二区东门12街", ""},
        };
        for (const auto& a : addresses) {
            m_store.run("INSERT INTO addresses (shop_id, name, province_id, province_name, city_id,"
                        " city_name, county, postcode, telephone, detail_address,"
                        " default_receive, default_send) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                        " ?, ?)",
                        {kDemoShopId, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8],
                         QString(a[9]) == "receive", QString(a[9]) == "send"});
        }
    }

    // The stored history: the same figures a day without a row reads as.
    void seedStatistics() {
        const QDate today = QDateTime::fromMSecsSinceEpoch(m_now).date();
        for (int d = 0; d < 180; ++d) {
            const StatDay day = syntheticStatDay(today.addDays(-d));
            m_store.run("INSERT INTO stat_days (shop_id, postdate, user_count, pageview,"
                        " total_order_count, trade_order_count, send_order_count,"
                        " refund_order_count, amount) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        {kDemoShopId, day.postdate, day.userCount, day.pageview, day.totalOrders,
                         day.tradeOrders, day.sendOrders, day.refundOrders, day.amount});
        }
    }

    Store& m_store;
    qint64 m_now;
    int m_trades = 0;
};

} // namespace

bool seedDemoShop(Store& store, qint64 now) {
    StoreTransaction transaction(store);
    Seeder(store, now).run();
    return transaction.commit();
}

bool seedEmptyShop(Store& store) {
    if (store.scalar("SELECT COUNT(*) FROM shops WHERE mobile = ?", {kEmptyShopMobile})
            .toLongLong() > 0) {
        return true;
    }
    StoreTransaction transaction(store);
    const QString salt = newSalt();
    store.run("INSERT INTO shops (shop_id, mobile, password_hash, salt, name, contacts, logo,"
              " province_id, city_id, county, detail_address, email, subdomain)"
              " VALUES (?, ?, ?, ?, ?, ?, '', '', '', '', '', ?, '')",
              {kEmptyShopId, kEmptyShopMobile, hashPassword(kDemoPassword, salt), salt, "新开小店",
               "林小红", "owner@new-shop.example"});
    return transaction.commit();
}
