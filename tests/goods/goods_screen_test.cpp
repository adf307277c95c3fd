#include "GoodsFixture.h"
#include "app/RCNavigationbar.h"
#include "app/ScreenClasses.h"
#include "goods/GoodsScreens.h"
#include "goods/KQSGoodsCategoryView.h"
#include "goods/KQSGoodsVC.h"
#include "goods/KQSSearchVC.h"
#include "platform/Alert.h"
#include "platform/PagingScrollView.h"
#include "platform/PopoverMenu.h"
#include "ui/KQBaseTableView.h"
#include "ui/KQSBottumsView.h"

#include <QLabel>
#include <QPushButton>
#include <QWheelEvent>

namespace {

// The goods of each sale state, by id: "s1".."sN" on sale, "o1".. sold out, "w1".. stored.
QJsonArray goodsOf(const QString& status, int count) {
    const QString prefix = status == "sale" ? "s" : status == "sold" ? "o" : "w";
    QJsonArray list;
    for (int i = 1; i <= count; ++i) {
        list.append(GoodsJson::goods(prefix + QString::number(i)));
    }
    return list;
}

class GoodsScreenTest : public GoodsScreenFixture {
protected:
    void SetUp() override {
        GoodsScreenFixture::SetUp();
        // Every list request answers with three goods of its state; every action succeeds.
        peer.setHandler([this](const PeerRequest& request) { return answer(request); });
    }

    virtual PeerReply answer(const PeerRequest& request) {
        if (request.path == "/item/list.do") {
            return PeerReply::json(Envelope::page(goodsOf(request.field("status"), 3)));
        }
        if (request.path == "/item/category/list.do") {
            return PeerReply::json(Envelope::page(
                {GoodsJson::category("11", "服装"), GoodsJson::category("12", "鞋包")}));
        }
        return PeerReply::json(
            Envelope::success(QJsonObject{{"item_id", request.field("item_id")}}));
    }

    KQSGoodsVC* open() {
        screen = push(new KQSGoodsVC);
        for (int tab = 0; tab < 3; ++tab) {
            EXPECT_TRUE(peer.waitForRequest("/item/list.do")) << tab;
        }
        EXPECT_TRUE(settle());
        return screen;
    }
    KQSGoodsCategoryView* tab(int index) const { return screen->tab(index); }
    RCNavigationbar* bar() const { return screen->naviBar(); }
    KQSGoodsManagerToolBar* toolBar() const { return screen->toolBar(); }

    void enterBatchMode() {
        QTest::mouseClick(bar()->right0, Qt::LeftButton);
        auto* menu = window->findChild<PopoverMenu*>();
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->entries(), QStringList{"批量管理"});
        QTest::mouseClick(menu->entryButton(0), Qt::LeftButton);
        ASSERT_TRUE(screen->isBatchMode());
    }
    // Turns the wheel over the pages, as a swipe would, until they rest on page.
    void swipeTo(int page) {
        PagingScrollView* pages = screen->tabScrollView();
        while (pages->currentPage() != page) {
            const int step = page > pages->currentPage() ? -120 : 120;
            QWheelEvent wheel(QPointF(10, 10), pages->mapToGlobal(QPointF(10, 10)), QPoint(),
                              QPoint(0, step), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QCoreApplication::sendEvent(pages->viewport(), &wheel);
            const int before = pages->currentPage();
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return pages->scroller()->state() == QScroller::Inactive &&
                       pages->currentPage() != before;
            }));
        }
        QCoreApplication::processEvents();
    }
    // Touches a toolbar action and answers its confirmation.
    void act(QPushButton* action, const QString& answer = "确定") {
        QTest::mouseClick(action, Qt::LeftButton);
        ASSERT_EQ(Alert::presented().size(), 1);
        Alert* alert = Alert::presented().first();
        confirmation = alert->message();
        EXPECT_EQ(alert->title(), "提示");
        EXPECT_EQ(alert->actionTitles(), (QStringList{"确定", "取消"}));
        ASSERT_TRUE(alert->trigger(answer));
    }
    // The identifiers sent to path, sorted: requests sent together arrive in any order.
    QStringList itemIds(const QByteArray& path) const {
        QStringList ids;
        for (const PeerRequest& request : requestsTo(path)) {
            EXPECT_EQ(request.form.size(), 1) << "one identifier per request, nothing joined";
            ids.append(request.field("item_id"));
        }
        ids.sort();
        return ids;
    }

    KQSGoodsVC* screen = nullptr;
    QString confirmation;
};

TEST_F(GoodsScreenTest, OpensOnSaleWithEveryTabLoadedAndKeepsTheShopCategories) {
    open();
    EXPECT_EQ(bar()->titleView->text(), "我的商品");
    EXPECT_EQ(bar()->right1->accessibleName(), "搜索商品");
    EXPECT_EQ(bar()->right0->accessibleName(), "更多");
    EXPECT_EQ(screen->topBarView()->titles(), (QStringList{"销售中", "已售罄", "仓库中"}));
    EXPECT_EQ(screen->topBarView()->selectedIndex(), 0);

    QStringList statuses;
    for (const PeerRequest& request : requestsTo("/item/list.do")) {
        statuses.append(request.field("status"));
        EXPECT_EQ(request.field("start"), "0");
        EXPECT_EQ(request.field("size"), "10");
        for (const char* empty :
             {"category_id", "item_name", "start_time", "end_time", "orderby"}) {
            EXPECT_TRUE(request.hasField(empty)) << empty;
            EXPECT_EQ(request.field(empty), "") << empty;
        }
    }
    EXPECT_EQ(statuses, (QStringList{"sale", "sold", "stop"}));
    const QList<PeerRequest> categories = requestsTo("/item/category/list.do");
    ASSERT_EQ(categories.size(), 1);
    EXPECT_EQ(categories.first().field("start"), "0");
    EXPECT_EQ(categories.first().field("size"), "10");
    EXPECT_EQ(QJsonArray::fromVariantList(Defaults::value("GoodsCategory").toList()).size(), 2);

    EXPECT_EQ(tab(2)->dataArray().first().item_id, "w1");
    EXPECT_EQ(screen->tabScrollView()->geometry(), QRect(12, 64 + 50 + 12, 351, 667 - 138));
    shoot("goods-list");
}

TEST_F(GoodsScreenTest, BatchModeSwapsTheStripAndBarButtonsForTheToolbarAndCancelLeavesIt) {
    open();
    enterBatchMode();
    EXPECT_FALSE(screen->topBarView()->isVisible());
    EXPECT_FALSE(bar()->right0->isVisible());
    EXPECT_FALSE(bar()->right1->isVisible());
    EXPECT_EQ(bar()->left0->text(), "取消");
    EXPECT_EQ(bar()->left0->accessibleName(), "取消");
    EXPECT_TRUE(bar()->left0->icon().isNull());
    EXPECT_TRUE(toolBar()->isVisible());
    EXPECT_EQ(toolBar()->geometry(), QRect(0, 667 - 49, 375, 49));
    EXPECT_EQ(screen->tabScrollView()->geometry(), QRect(12, 76, 351, 667 - 76 - 49 - 12));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(tab(i)->isendting());
    }
    tab(0)->setTicked("s2", true);
    shoot("goods-batch");

    QTest::mouseClick(bar()->left0, Qt::LeftButton);
    EXPECT_FALSE(screen->isBatchMode());
    EXPECT_TRUE(screen->topBarView()->isVisible());
    EXPECT_TRUE(bar()->right0->isVisible());
    EXPECT_FALSE(toolBar()->isVisible());
    EXPECT_TRUE(bar()->left0->text().isEmpty());
    EXPECT_EQ(bar()->left0->accessibleName(), "返回");
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(tab(i)->isendting());
        EXPECT_TRUE(tab(i)->selectArray().isEmpty());
    }
    EXPECT_EQ(top(), screen);
    QTest::mouseClick(bar()->left0, Qt::LeftButton);
    navigation->finishTransition();
    EXPECT_EQ(top(), root) << "in normal mode the left button closes the screen";
}

TEST_F(GoodsScreenTest, EachTabOffersItsOwnActionsAndConfirmations) {
    open();
    enterBatchMode();
    struct Case {
        int tab;
        bool actionsShown;
        const char* saleTitle;
        const char* saleMessage;
    };
    const Case cases[] = {{0, true, "下架", "是否下架选中的商品"},
                          {2, true, "上架", "是否上架选中的商品"},
                          {1, false, "下架", "是否下架选中的商品"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        swipeTo(c.tab);
        EXPECT_EQ(screen->getSelectContentView(), c.tab);
        EXPECT_EQ(toolBar()->tBtn->isVisible(), c.actionsShown);
        EXPECT_EQ(toolBar()->sBtn->isVisible(), c.actionsShown);
        EXPECT_TRUE(toolBar()->deleteBtn->isVisible());
        EXPECT_EQ(toolBar()->sBtn->text(), QString::fromUtf8(c.saleTitle));
        if (c.actionsShown) {
            act(toolBar()->tBtn, "取消");
            EXPECT_EQ(confirmation, "是否同步Facebook");
            act(toolBar()->sBtn, "取消");
            EXPECT_EQ(confirmation, QString::fromUtf8(c.saleMessage));
        }
        act(toolBar()->deleteBtn, "确定");
        EXPECT_EQ(confirmation, "是否删除选中的商品");
    }
    EXPECT_EQ(KQRequest::openCount(), 0) << "nothing ticked, nothing sent";
    EXPECT_EQ(peer.requests().size(), 4);
}

TEST_F(GoodsScreenTest, SwipingActsOnThatTabsOwnSelectionAndAllSelectState) {
    open();
    enterBatchMode();
    QTest::mouseClick(toolBar()->allSelectBtn, Qt::LeftButton);
    EXPECT_EQ(screen->dataArray().size(), 3);
    swipeTo(2);
    EXPECT_FALSE(toolBar()->allSelectBtn->isChecked());
    EXPECT_TRUE(screen->dataArray().isEmpty());
    tab(2)->setTicked("w3", true);
    act(toolBar()->sBtn);
    ASSERT_TRUE(settle());
    EXPECT_EQ(itemIds("/item/start.do"), QStringList{"w3"});
    EXPECT_TRUE(requestsTo("/item/stop.do").isEmpty());
}

TEST_F(GoodsScreenTest, SelectAllThenDeleteSendsEveryLoadedGoodsOnce) {
    open();
    enterBatchMode();
    tab(0)->setTicked("s3", true);
    tab(0)->setTicked("s1", true);
    QTest::mouseClick(toolBar()->allSelectBtn, Qt::LeftButton);
    EXPECT_TRUE(tab(0)->isAllSelect);
    tab(0)->setTicked("s2", false);
    EXPECT_TRUE(toolBar()->allSelectBtn->isChecked()) << "unticking one row leaves 全选 as it is";
    tab(0)->setTicked("s2", true);
    act(toolBar()->deleteBtn);
    ASSERT_TRUE(settle());
    EXPECT_EQ(itemIds("/item/delete.do"), (QStringList{"s1", "s2", "s3"}));
}

// Replies come back in any order and some fail; the batch still reloads once, when the last
// of them is in, and leaves nothing ticked.
class GoodsBatchTest : public GoodsScreenTest {
protected:
    PeerReply answer(const PeerRequest& request) override {
        const QString id = request.field("item_id");
        if (failing.contains(id)) {
            return PeerReply::json(Envelope::failure("商品不存在"));
        }
        PeerReply reply = GoodsScreenTest::answer(request);
        reply.delayMs = delays.value(id);
        return reply;
    }
    int listRequests() const { return int(requestsTo("/item/list.do").size()); }

    QHash<QString, int> delays;
    QSet<QString> failing;
};

TEST_F(GoodsBatchTest, TheLastReplyReloadsTheTabsOnceWhateverItsOrderOrOutcome) {
    delays = {{"s1", 300}};
    failing = {"s3"};
    open();
    enterBatchMode();
    tab(0)->setTicked("s1", true);
    tab(0)->setTicked("s2", true);
    tab(0)->setTicked("s3", true); // ticked last, answered first, and refused
    QTest::mouseClick(toolBar()->allSelectBtn, Qt::LeftButton);
    swipeTo(2);
    QTest::mouseClick(toolBar()->allSelectBtn, Qt::LeftButton);
    swipeTo(0);
    act(toolBar()->sBtn);
    ASSERT_TRUE(settle());
    EXPECT_EQ(itemIds("/item/stop.do"), (QStringList{"s1", "s2", "s3"}));
    EXPECT_TRUE(Toast::visibleTexts().contains("商品不存在"));
    EXPECT_EQ(listRequests(), 3 + 3) << "one reload of every tab";
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(tab(i)->selectArray().isEmpty()) << i;
        EXPECT_FALSE(tab(i)->isAllSelect) << i;
    }
    EXPECT_FALSE(toolBar()->allSelectBtn->isChecked());
    EXPECT_TRUE(screen->isBatchMode());
    swipeTo(2);
    EXPECT_FALSE(toolBar()->allSelectBtn->isChecked()) << "全选 is cleared on every tab";
}

TEST_F(GoodsBatchTest, ADeletedRowLeavesTheListAndTheSelectionAtOnce) {
    delays = {{"s1", 400}};
    open();
    enterBatchMode();
    tab(0)->setTicked("s1", true);
    tab(0)->setTicked("s2", true);
    act(toolBar()->deleteBtn);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab(0)->dataArray().size() == 2; }));
    EXPECT_FALSE(tab(0)->isTicked("s2"));
    EXPECT_EQ(tab(0)->selectArray().size(), 1);
    EXPECT_EQ(tab(0)->tableView()->numberOfSections(), 2);
    EXPECT_EQ(listRequests(), 3) << "no reload while a reply is out";
    ASSERT_TRUE(settle());
    EXPECT_EQ(listRequests(), 6);
}

TEST_F(GoodsBatchTest, DeletingEveryRowShowsTheEmptyStateBeforeTheReload) {
    delays = {{"s1", 400}};
    open();
    delays.insert("", 300); // the reload, so the state before it can be seen
    enterBatchMode();
    tab(0)->setTicked("s2", true);
    tab(0)->setTicked("s3", true);
    tab(0)->setTicked("s1", true);
    act(toolBar()->deleteBtn);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab(0)->dataArray().size() == 1; }));
    tab(0)->setTicked("s1", false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab(0)->dataArray().isEmpty(); }));
    EXPECT_TRUE(tab(0)->tableView()->nullView()->isVisible());
    ASSERT_TRUE(settle());
}

TEST_F(GoodsBatchTest, LeavingTheScreenWhileABatchRunsIsSafe) {
    delays = {{"s1", 300}, {"s2", 300}};
    open();
    enterBatchMode();
    tab(0)->setTicked("s1", true);
    tab(0)->setTicked("s2", true);
    act(toolBar()->deleteBtn);
    ASSERT_TRUE(peer.waitForRequest("/item/delete.do"));
    ASSERT_TRUE(peer.waitForRequest("/item/delete.do"));
    navigation->popViewController(false);
    navigation->finishTransition();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(QTest::qWaitFor([] { return KQRequest::openCount() == 0; }));
    EXPECT_EQ(listRequests(), 3) << "a closed screen reloads nothing";
}

TEST_F(GoodsScreenTest, TheSearchButtonOpensTheGoodsSearch) {
    open();
    QTest::mouseClick(bar()->right1, Qt::LeftButton);
    navigation->finishTransition();
    EXPECT_NE(qobject_cast<KQSSearchVC*>(top()), nullptr);
}

TEST(GoodsScreens, TheDashboardTileOpensTheGoodsScreenByName) {
    registerGoodsScreens();
    std::unique_ptr<Screen> created(ScreenClasses::create("KQSGoodsVC"));
    EXPECT_NE(qobject_cast<KQSGoodsVC*>(created.get()), nullptr);
}

} // namespace
