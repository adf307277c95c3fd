#include "GoodsFixture.h"
#include "goods/KQSGoodsSearchMenuView.h"
#include "goods/KQSMenuCell.h"
#include "goods/KQSSearchVC.h"
#include "platform/RefreshControl.h"
#include "ui/KQBaseTableView.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// Goods named after the query they answer: "<category>|<name>@<start>#<i>".
QJsonArray answerFor(const PeerRequest& request, int count) {
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1|%2@%3#%4")
                                 .arg(request.field("category_id"), request.field("item_name"),
                                      request.field("start"))
                                 .arg(i);
        list.append(GoodsJson::goods(name, name));
    }
    return list;
}

class GoodsSearchTest : public GoodsScreenFixture {
protected:
    void SetUp() override {
        GoodsScreenFixture::SetUp();
        peer.setHandler([this](const PeerRequest& request) {
            if (request.path == "/item/list.do") {
                return PeerReply::json(Envelope::page(answerFor(request, pageSize)));
            }
            return PeerReply::json(
                Envelope::success(QJsonArray{GoodsJson::firstLevel("11", "服装", 7),
                                             GoodsJson::firstLevel("15", "节日礼品", 0)}));
        });
    }

    KQSSearchVC* open() {
        search = push(new KQSSearchVC);
        EXPECT_TRUE(settle());
        return search;
    }
    PeerRequest lastList() const { return requestsTo("/item/list.do").last(); }
    QString lastAsked() const {
        const PeerRequest request = lastList();
        return request.field("category_id") + "|" + request.field("item_name") + "@" +
               request.field("start");
    }
    KQSMenuCell* menuRow(int row) const {
        return static_cast<KQSMenuCell*>(search->menuView()->tableView()->cellForRow({0, row}));
    }
    void chooseSecondLevel(int k) {
        search->selectGourpBtn()->click();
        if (!menuRow(0)->openBtn->isChecked()) {
            menuRow(0)->openBtn->click();
        }
        menuRow(0)->secondLevelButtons().at(k)->click();
        ASSERT_TRUE(settle());
    }
    void pullDown() {
        search->tableView()->refreshHeader()->beginRefreshing();
        ASSERT_TRUE(settle());
    }
    void pullUp() {
        search->tableView()->loadMoreFooter()->beginRefreshing();
        ASSERT_TRUE(settle());
    }
    void typeAndSearch(const QString& text) {
        // Chinese text is put in as an input method would; the key press is the owner's.
        search->searchField()->setText(text);
        QTest::keyClick(search->searchField(), Qt::Key_Return);
        ASSERT_TRUE(settle());
    }

    KQSSearchVC* search = nullptr;
    int pageSize = 10;
};

TEST_F(GoodsSearchTest, OpensOnEveryGoodsItemOfEverySaleState) {
    open();
    const QList<PeerRequest> lists = requestsTo("/item/list.do");
    ASSERT_EQ(lists.size(), 1);
    for (const char* empty :
         {"category_id", "item_name", "start_time", "end_time", "status", "orderby"}) {
        EXPECT_TRUE(lists.first().hasField(empty)) << empty;
        EXPECT_EQ(lists.first().field(empty), "") << empty;
    }
    EXPECT_EQ(lists.first().field("start"), "0");
    EXPECT_EQ(lists.first().field("size"), "10");
    EXPECT_EQ(requestsTo("/item/category/group.do").size(), 1);
    EXPECT_EQ(search->dataArray().size(), 10);
    EXPECT_EQ(search->naviBar(), nullptr) << "it draws its own top bar";
    EXPECT_EQ(search->selectGourpBtn()->geometry(), QRect(0, 20, 96, 44));
    EXPECT_EQ(search->selectGourpBtn()->text(), "选择分组");
    EXPECT_EQ(search->tableView()->geometry(), QRect(12, 76, 351, 667 - 76 - 12));
    EXPECT_EQ(search->searchField()->accessibleName(), "搜索商品名称");
    shoot("goods-search");
}

TEST_F(GoodsSearchTest, ACategoryChosenAfterLoadMoresAsksTheFirstPageAndReplacesTheList) {
    open();
    pullUp();
    pullUp();
    EXPECT_EQ(lastAsked(), "|@20");
    EXPECT_EQ(search->dataArray().size(), 30);
    search->selectGourpBtn()->click();
    EXPECT_TRUE(search->menuView()->isShown());
    EXPECT_EQ(search->menuView()->tableView()->geometry(), QRect(0, 64, 375, 333));
    menuRow(0)->openBtn->click();
    ASSERT_EQ(menuRow(0)->secondLevelButtons().size(), 7);
    shoot("goods-search-menu");
    menuRow(0)->secondLevelButtons().at(6)->click();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(search->menuView()->isShown());
    EXPECT_FALSE(search->selectGourpBtn()->isChecked());
    EXPECT_EQ(lastAsked(), "117|@0");
    EXPECT_EQ(search->selectGourpBtn()->text(), "服装7");
    EXPECT_EQ(search->selectGourpBtn()->accessibleName(), "") << "read from its visible title";
    ASSERT_EQ(search->dataArray().size(), 10);
    EXPECT_EQ(search->dataArray().first().name, "117|@0#0");
    pullUp();
    EXPECT_EQ(lastAsked(), "117|@10") << "load-more keeps the category";
}

TEST_F(GoodsSearchTest, AFirstLevelCategoryWithoutSecondLevelFiltersByItsOwnId) {
    open();
    search->selectGourpBtn()->click();
    EXPECT_TRUE(menuRow(1)->openBtn->isHidden());
    menuRow(1)->titleLabel->click();
    ASSERT_TRUE(settle());
    EXPECT_EQ(lastAsked(), "15|@0");
    EXPECT_EQ(search->selectGourpBtn()->text(), "节日礼品");
}

TEST_F(GoodsSearchTest, APullDownDropsTheCategoryAndTheButtonSaysSo) {
    open();
    chooseSecondLevel(0);
    typeAndSearch("裙");
    EXPECT_EQ(lastAsked(), "111|裙@0") << "the name search keeps the category";
    pullDown();
    EXPECT_EQ(lastAsked(), "|裙@0");
    EXPECT_EQ(search->category_id(), "");
    EXPECT_EQ(search->selectGourpBtn()->text(), "选择分组");
    EXPECT_EQ(requestsTo("/item/list.do").size(), 4) << "one request for the pull";
    pullUp();
    EXPECT_EQ(lastAsked(), "|裙@10");
}

TEST_F(GoodsSearchTest, LoadMoreRepeatsTheSearchOfTheRowsNotTheTextBeingTyped) {
    open();
    typeAndSearch("碎花");
    search->searchField()->insert("裙");
    pullUp();
    EXPECT_EQ(lastAsked(), "|碎花@10");
    EXPECT_EQ(search->dataArray().size(), 20);
}

TEST_F(GoodsSearchTest, NoMatchShowsTheEmptyStateAndAFailedSearchKeepsTheList) {
    open();
    pageSize = 0;
    typeAndSearch("不存在的商品");
    EXPECT_TRUE(search->dataArray().isEmpty());
    EXPECT_TRUE(search->tableView()->nullView()->isVisible());
    pageSize = 10;
    typeAndSearch("裙");
    EXPECT_FALSE(search->tableView()->nullView()->isVisible());

    peer.setHandler(
        [](const PeerRequest&) { return PeerReply::json(Envelope::failure("搜索太频繁")); });
    typeAndSearch("鞋");
    EXPECT_TRUE(Toast::visibleTexts().contains("搜索太频繁"));
    EXPECT_EQ(search->dataArray().size(), 10);
    EXPECT_EQ(search->dataArray().first().name, "|裙@0#0");
    EXPECT_FALSE(search->tableView()->refreshHeader()->isRefreshing());
}

TEST_F(GoodsSearchTest, SearchingHidesTheKeyboardAndCancelClosesTheScreen) {
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    search->searchField()->setFocus();
    ASSERT_TRUE(search->searchField()->hasFocus());
    typeAndSearch("裙");
    EXPECT_FALSE(search->searchField()->hasFocus());
    search->findChild<QPushButton*>("cancelBtn")->click();
    navigation->finishTransition();
    EXPECT_EQ(top(), root);
}

} // namespace
