#include "app/RCNavigationbar.h"
#include "app/ScreenClasses.h"
#include "home/KQHomeDataView.h"
#include "home/KQHomeManagerView.h"
#include "home/KQSShopVC.h"
#include "orders/KQSOrderVC.h"
#include "platform/Defaults.h"
#include "platform/KineticScrollView.h"
#include "service/KQAccountTool.h"
#include "support/ScreenFixture.h"
#include "web/KQBaseWebVC.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QJsonObject kHome{{"money", QJsonObject{{"total", 2345.5}, {"balance", 100}}},
                        {"order_stat", QJsonObject{{"yesterday_order_amount", 125.9},
                                                   {"undelivery_order_count", 3},
                                                   {"yesterday_order_count", "7"}}}};

class ShopScreenTest : public ScreenFixture {
protected:
    // Opens the dashboard, which asks for its figures and its profile at once.
    KQSShopVC* openShop() {
        KQSShopVC* shop = open(new KQSShopVC);
        EXPECT_TRUE(peer.waitForRequest("/homepage/get.do"));
        EXPECT_TRUE(peer.waitForRequest("/system/get.do"));
        return shop;
    }
    QStringList counts(KQSShopVC* shop) const {
        QStringList texts;
        for (int i = 0; i < 3; ++i) {
            texts << shop->dataView()->tile(i)->countL->text();
        }
        return texts;
    }
    QString total(KQSShopVC* shop) const { return shop->dataView()->incomeView()->priceL->text(); }
};

TEST_F(ShopScreenTest, EveryAppearanceAsksForFiguresAndProfileAndShowsThem) {
    peer.reply("/homepage/get.do", success(kHome));
    peer.reply("/system/get.do", success({{"name", "小店"}}));
    KQSShopVC* shop = openShop();
    ASSERT_TRUE(settle());
    EXPECT_EQ(peer.count("/homepage/get.do"), 1);
    EXPECT_EQ(peer.count("/system/get.do"), 1);
    EXPECT_EQ(counts(shop), (QStringList{"125.00", "3", "7"}));
    EXPECT_EQ(total(shop), "2345.50");
    EXPECT_EQ(shop->dataView()->incomeView()->priceL->font().pixelSize(), 60);
    EXPECT_EQ(shop->naviBar()->titleView->text(), "小店");
    EXPECT_EQ(shop->naviBar()->right0->text(), "店铺预览");
    EXPECT_TRUE(shop->naviBar()->left0->isHidden());

    peer.reply("/homepage/get.do", success({}));
    navigation->pushViewController(new KQSBaesVC, false);
    navigation->finishTransition();
    navigation->popViewController(false);
    navigation->finishTransition();
    ASSERT_TRUE(settle());
    EXPECT_EQ(counts(shop), (QStringList{"0.00", "0", "0"}));
    EXPECT_EQ(total(shop), "0.00");
}

TEST_F(ShopScreenTest, BeforeAnyReplyTheFiguresAreZero) {
    PeerReply silent;
    silent.neverAnswer = true;
    peer.reply("/homepage/get.do", silent);
    peer.reply("/system/get.do", silent);
    KQSShopVC* shop = openShop();
    EXPECT_EQ(counts(shop), (QStringList{"0.00", "0", "0"}));
    EXPECT_EQ(total(shop), "0.00");
    EXPECT_EQ(shop->naviBar()->titleView->text(), "");
}

TEST_F(ShopScreenTest, NewShopNameIsTheTitleUntilTheProfileArrives) {
    Defaults::setValue(KQSShopVC::shopNameKey(), "新名字");
    PeerReply late = success({{"name", "服务端店名"}});
    late.delayMs = 300;
    peer.reply("/system/get.do", late);
    peer.reply("/homepage/get.do", success(kHome));
    KQSShopVC* shop = openShop();
    EXPECT_EQ(shop->naviBar()->titleView->text(), "新名字");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return shop->naviBar()->titleView->text() == "服务端店名"; }));
    EXPECT_FALSE(Defaults::contains(KQSShopVC::shopNameKey()));
}

TEST_F(ShopScreenTest, RefusedOrFailedRequestsLeaveFiguresAndTitle) {
    peer.reply("/homepage/get.do", success(kHome));
    peer.reply("/system/get.do", success({{"name", "小店"}}));
    KQSShopVC* shop = openShop();
    ASSERT_TRUE(settle());

    peer.reply("/homepage/get.do", refused("未登录"));
    PeerReply down;
    down.status = 503;
    peer.reply("/system/get.do", down);
    navigation->pushViewController(new KQSBaesVC, false);
    navigation->finishTransition();
    navigation->popViewController(false);
    navigation->finishTransition();
    ASSERT_TRUE(settle());
    EXPECT_EQ(counts(shop), (QStringList{"125.00", "3", "7"}));
    EXPECT_EQ(shop->naviBar()->titleView->text(), "小店");
    EXPECT_TRUE(Toast::visibleTexts().contains("未登录"));
    EXPECT_TRUE(Toast::visibleTexts().contains("请检查网络连接"));
}

TEST_F(ShopScreenTest, FiguresAndGridFollowTheLayout) {
    peer.reply("/homepage/get.do", success(kHome));
    peer.reply("/system/get.do", success({{"name", "小店"}}));
    KQSShopVC* shop = openShop();
    ASSERT_TRUE(settle());
    EXPECT_EQ(shop->contentScrollView()->geometry(), QRect(0, 64, 375, 667 - 64));
    EXPECT_EQ(shop->dataView()->geometry(), QRect(0, 0, 375, 264));
    EXPECT_EQ(shop->dataView()->incomeView()->geometry(), QRect(0, 46, 375, 88));
    // m = 30, w = 85
    EXPECT_EQ(shop->dataView()->tile(0)->geometry(), QRect(30, 180, 85, 84));
    EXPECT_EQ(shop->dataView()->tile(1)->geometry(), QRect(145, 180, 85, 84));
    EXPECT_EQ(shop->dataView()->tile(2)->geometry(), QRect(260, 180, 85, 84));
    EXPECT_EQ(shop->managerView()->geometry(), QRect(0, 276, 375, 225));
    EXPECT_EQ(shop->managerView()->button(0)->geometry(), QRect(0, 0, 187, 75));
    EXPECT_EQ(shop->managerView()->button(5)->geometry(), QRect(188, 151, 187, 75));
    EXPECT_EQ(shop->contentScrollView()->widget()->height(), 501 + 64 + 49 + 12);
    const QColor orange(255, 128, 26);
    // What a label draws with: inside a button it would otherwise take the button's text role.
    EXPECT_EQ(shop->dataView()->tile(0)->countL->palette().color(
                  shop->dataView()->tile(0)->countL->foregroundRole()),
              orange);
    EXPECT_EQ(shop->dataView()->tile(0)->titleL->palette().color(QPalette::WindowText), orange);
    EXPECT_EQ(shop->dataView()->tile(1)->titleL->palette().color(QPalette::WindowText),
              QColor(156, 162, 162));
    EXPECT_EQ(shop->managerView()->button(4)->titleL->text(), "数据统计");
    EXPECT_EQ(shop->managerView()->button(4)->property("tag").toInt(), 204);
}

// A screen standing in for one another subsystem registers by class name.
class StandIn : public KQSBaesVC {};

TEST_F(ShopScreenTest, TilesOpenTheirScreensByClassNameAndInertTilesDoNothing) {
    ScreenClasses::add("KQSGoodsVC", [] { return new StandIn; });
    ScreenClasses::add("KQSMoneyVC", [] { return new StandIn; });
    peer.reply("/homepage/get.do", success(kHome));
    peer.reply("/system/get.do", success({{"name", "小店"}}));
    KQSShopVC* shop = openShop();
    ASSERT_TRUE(settle());

    struct Case {
        QAbstractButton* button;
        int screens; // on the stack afterwards
    };
    const QList<Case> cases{
        {shop->managerView()->button(5), 1}, // "敬请期待"
        {shop->dataView()->tile(0), 1},      // "昨日收入(美元)"
        {shop->managerView()->button(0), 2}, // goods
        {shop->dataView()->incomeView(), 2}, // money overview
        {shop->managerView()->button(3), 1}, // logistics: not registered here
    };
    for (const Case& c : cases) {
        // Returning to the dashboard asks again; the activity overlay takes touches meanwhile.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            auto* overlay = window->findChild<QWidget*>("activityOverlay");
            return !overlay || !overlay->isVisible();
        }));
        QTest::mouseClick(c.button, Qt::LeftButton);
        navigation->finishTransition();
        EXPECT_EQ(navigation->screens().size(), c.screens)
            << c.button->accessibleName().toStdString();
        if (navigation->screens().size() > 1) {
            EXPECT_TRUE(qobject_cast<KQSBaesVC*>(navigation->top()));
            navigation->popViewController(false);
            navigation->finishTransition();
        }
    }
}

TEST_F(ShopScreenTest, OrderFiguresAndTileOpenTheOrderListOnTheirTab) {
    peer.reply("/homepage/get.do", success(kHome));
    peer.reply("/system/get.do", success({{"name", "小店"}}));
    KQSShopVC* shop = openShop();
    ASSERT_TRUE(settle());
    int orderTile = -1;
    for (int i = 0; i < KQHomeManagerView::tiles().size(); ++i) {
        if (KQHomeManagerView::tiles()[i].screenClass == "KQSOrderVC") {
            orderTile = i;
        }
    }
    ASSERT_GE(orderTile, 0);
    struct Case {
        QAbstractButton* button;
        qint64 page;
    };
    const QList<Case> cases{
        {shop->dataView()->tile(1), 2}, // "待发货"
        {shop->dataView()->tile(2), 0}, // "昨日下单"
        {shop->managerView()->button(orderTile), 0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(QTest::qWaitFor([&] {
            auto* overlay = window->findChild<QWidget*>("activityOverlay");
            return !overlay || !overlay->isVisible();
        }));
        QTest::mouseClick(c.button, Qt::LeftButton);
        navigation->finishTransition();
        auto* orders = qobject_cast<KQSOrderVC*>(navigation->top());
        ASSERT_NE(orders, nullptr) << c.button->accessibleName().toStdString();
        EXPECT_EQ(orders->page(), c.page);
        navigation->popViewController(false);
        navigation->finishTransition();
    }
}

TEST_F(ShopScreenTest, ShopPreviewOpensTheStorefrontPageOfTheSignedInShop) {
    ASSERT_EQ(ServiceConfig::setStorefrontUrl("http://127.0.0.1:9/"), QString());
    KQAccount account;
    account.shop_id = "1024";
    account.userid = "13800138000";
    ASSERT_TRUE(KQAccountTool::saveAccount(account));
    EXPECT_EQ(KQSShopVC::shopPreviewUrl("1024"), "http://127.0.0.1:9/index.html?shopId=1024");

    peer.reply("/homepage/get.do", success(kHome));
    peer.reply("/system/get.do", success({{"name", "小店"}}));
    KQSShopVC* shop = openShop();
    ASSERT_TRUE(settle());
    QTest::mouseClick(shop->naviBar()->right0, Qt::LeftButton);
    navigation->finishTransition();
    auto* web = qobject_cast<KQBaseWebVC*>(navigation->top());
    ASSERT_TRUE(web);
    EXPECT_EQ(web->titleName(), "店铺预览");
    EXPECT_EQ(web->urlStr(), "http://127.0.0.1:9/index.html?shopId=1024");
    EXPECT_EQ(web->naviBar()->titleView->text(), "店铺预览");
}

} // namespace
