#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "home/HomeFormat.h"
#include "home/HomeRecords.h"
#include "home/HomeScreens.h"
#include "home/KQHomeDataView.h"
#include "home/KQSMessageVC.h"
#include "home/KQSMessagerCell.h"
#include "home/KQSShopVC.h"
#include "platform/RefreshControl.h"
#include "service/KQAccountTool.h"
#include "service/KQHttpClientList.h"
#include "support/E2EFixture.h"
#include "ui/KQBaseTableView.h"
#include "web/KQBaseWebVC.h"

#include <QLabel>
#include <QWebEngineView>

namespace {

// The demo owner signed in, with the home screens as the first screens of their tabs.
class HomeE2E : public E2EFixture {
protected:
    void SetUp() override {
        E2EFixture::SetUp();
        static const bool registered = [] {
            registerHomeScreens();
            return true;
        }();
        ASSERT_TRUE(registered);
        launch();
        signIn();
        ASSERT_NE(tabs(), nullptr);
        EXPECT_TRUE(settle());
    }

    template <class S> S* firstScreen(int tab) {
        auto* stack = tabs()->stacks().value(tab);
        return stack ? qobject_cast<S*>(stack->top()) : nullptr;
    }

    // What the service answers on path, asked the way the screens ask.
    static QJsonObject ask(const std::function<KQRequest*(ReplyBlock)>& send) {
        QJsonObject data;
        send([&data](const QJsonObject* reply, const ServiceError*) {
            if (reply) {
                data = reply->value("data").toObject();
            }
        });
        EXPECT_TRUE(settle());
        return data;
    }
};

TEST_F(HomeE2E, DashboardShowsTheServiceFiguresAndShopName) {
    auto* shop = firstScreen<KQSShopVC>(0);
    ASSERT_NE(shop, nullptr);
    const auto home =
        RecordMapper::fromJson<KQHomeModel>(ask(KQHttpClientList::request_HomepageBlock));
    const QString name = ask(KQHttpClientList::request_SystemMsgBlock).value("name").toString();
    ASSERT_TRUE(home.money && home.order_stat);
    EXPECT_GT(home.money->total, 0);

    KQHomeDataView* figures = shop->dataView();
    EXPECT_EQ(figures->incomeView()->priceL->text(), HomeFormat::moneyText(home.money->total));
    EXPECT_EQ(figures->tile(0)->countL->text(),
              HomeFormat::yesterdayAmountText(home.order_stat->yesterday_order_amount));
    EXPECT_EQ(figures->tile(1)->countL->text(),
              QString::number(home.order_stat->undelivery_order_count));
    EXPECT_EQ(figures->tile(2)->countL->text(),
              QString::number(home.order_stat->yesterday_order_count));
    EXPECT_GT(home.order_stat->undelivery_order_count, 0);
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(shop->naviBar()->titleView->text(), name);
}

TEST_F(HomeE2E, MessageCentrePagesThroughEveryMessageWithTheUnreadMarks) {
    tabs()->rootClick(tabs()->itmes[1]);
    auto* messages = firstScreen<KQSMessageVC>(1);
    ASSERT_NE(messages, nullptr);
    EXPECT_TRUE(settle());
    KQBaseTableView* table = messages->tableView();
    ASSERT_TRUE(waitUntil([&] { return !table->refreshHeader()->isRefreshing(); }));
    EXPECT_EQ(table->numberOfRows(0), 10);

    int rows = 0;
    do {
        rows = table->numberOfRows(0);
        table->loadMoreFooter()->beginRefreshing();
        ASSERT_TRUE(waitUntil([&] { return !table->loadMoreFooter()->isRefreshing(); }));
        EXPECT_TRUE(settle());
    } while (table->numberOfRows(0) > rows);
    EXPECT_EQ(table->numberOfRows(0), 15);

    int unread = 0;
    for (int i = 0; i < table->numberOfRows(0); ++i) {
        const KQSMessageModel& message = messages->dataArray()[i];
        unread += message.viewed ? 0 : 1;
        table->setContentOffset(table->rectForRow({0, i}).top());
        auto* row = static_cast<KQSMessagerCell*>(table->cellForRow({0, i}));
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(row->numMessagerLabel->isHidden(), message.viewed) << i;
        EXPECT_EQ(row->deTitleLabel->text(), message.content);
    }
    EXPECT_GT(unread, 0);
}

TEST_F(HomeE2E, TouchingAMessageMarksItViewedAtTheService) {
    tabs()->rootClick(tabs()->itmes[1]);
    auto* messages = firstScreen<KQSMessageVC>(1);
    ASSERT_NE(messages, nullptr);
    KQBaseTableView* table = messages->tableView();
    ASSERT_TRUE(waitUntil([&] { return !table->refreshHeader()->isRefreshing(); }));
    EXPECT_TRUE(settle());
    int row = 0;
    while (row < messages->dataArray().size() && messages->dataArray()[row].viewed) {
        ++row;
    }
    ASSERT_LT(row, messages->dataArray().size()) << "the demo shop has unread messages";
    const QString id = messages->dataArray()[row].message_id;
    messages->didSelectRow(row);
    EXPECT_TRUE(settle());

    table->refreshHeader()->beginRefreshing();
    ASSERT_TRUE(waitUntil([&] { return !table->refreshHeader()->isRefreshing(); }));
    EXPECT_TRUE(settle());
    const auto& list = messages->dataArray();
    const auto it = std::find_if(list.cbegin(), list.cend(),
                                 [&](const KQSMessageModel& m) { return m.message_id == id; });
    ASSERT_NE(it, list.cend());
    EXPECT_TRUE(it->viewed);
}

TEST_F(HomeE2E, ShopPreviewLoadsTheStorefrontPageOfTheShop) {
    auto* shop = firstScreen<KQSShopVC>(0);
    ASSERT_NE(shop, nullptr);
    const QString name = shop->naviBar()->titleView->text();
    QTest::mouseClick(shop->naviBar()->right0, Qt::LeftButton);
    auto* stack = tabs()->stacks().value(0);
    stack->finishTransition();
    auto* web = qobject_cast<KQBaseWebVC*>(stack->top());
    ASSERT_NE(web, nullptr);
    EXPECT_TRUE(
        web->urlStr().endsWith("store/index.html?shopId=" + KQAccountTool::account()->shop_id));
    ASSERT_TRUE(
        waitUntil([&] { return web->loadCount() == 0 && web->webView()->title() == name; }, 30000));
}

} // namespace
