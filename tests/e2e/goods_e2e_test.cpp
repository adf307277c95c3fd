#include "app/KQSNavigtionVC.h"
#include "goods/GoodsScreens.h"
#include "goods/KQSGoodsCategoryView.h"
#include "goods/KQSGoodsSearchMenuView.h"
#include "goods/KQSGoodsVC.h"
#include "goods/KQSMenuCell.h"
#include "goods/KQSSearchVC.h"
#include "platform/Alert.h"
#include "platform/PagingScrollView.h"
#include "platform/RefreshControl.h"
#include "service/KQHttpClientList.h"
#include "support/E2EFixture.h"
#include "ui/KQBaseTableView.h"

#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

// The demo owner managing goods, as from the dashboard tile "商品管理".
class GoodsE2E : public E2EFixture {
protected:
    void SetUp() override {
        E2EFixture::SetUp();
        registerGoodsScreens();
        launch();
        signIn();
        ASSERT_NE(tabs(), nullptr);
        stack = qobject_cast<KQSNavigtionVC*>(tabs()->currentStack());
        ASSERT_NE(stack, nullptr);
        // Every answered request, by path, as the network saw it.
        QObject::connect(KQHttpClient::httpClientManager(), &QNetworkAccessManager::finished,
                         &watcher, [this](QNetworkReply* reply) {
                             answered.append(reply->url().path().section('/', -2));
                         });
    }

    template <class S> S* push(S* screen) {
        stack->pushViewController(screen, true);
        stack->finishTransition();
        EXPECT_TRUE(settle());
        return screen;
    }
    int answeredCount(const QString& path) const { return int(answered.count(path)); }

    static QStringList names(const QList<KQSGoodsModel>& goods) {
        QStringList found;
        for (const KQSGoodsModel& item : goods) {
            found.append(item.name);
        }
        return found;
    }
    // Confirms a toolbar action of the goods screen.
    static void confirm(QPushButton* action) {
        action->click();
        ASSERT_EQ(Alert::presented().size(), 1);
        ASSERT_TRUE(Alert::presented().first()->trigger("确定"));
    }
    // Deletes a goods item on the service behind the screen's back.
    static void deleteOnService(const QString& itemId) {
        KQProject& bag = KQProject::project();
        bag.item_id = itemId;
        KQHttpClientList::deleteGoodsListWithProject(bag, {});
        EXPECT_TRUE(settle());
    }

    KQSNavigtionVC* stack = nullptr;
    QObject watcher;
    QStringList answered;
};

TEST_F(GoodsE2E, BatchDelistOfTwoGoodsMovesThemToStoredAndReloadsTheTabsOnce) {
    auto* goods = push(new KQSGoodsVC);
    const QList<KQSGoodsModel> onSale = goods->tab(KQSGoodsVC::Sale)->dataArray();
    ASSERT_GE(onSale.size(), 2);
    const QStringList moved{onSale.at(0).name, onSale.at(1).name};
    EXPECT_FALSE(names(goods->tab(KQSGoodsVC::Stop)->dataArray()).contains(moved.first()));

    goods->enterBatchMode();
    goods->tab(KQSGoodsVC::Sale)->setTicked(onSale.at(1).item_id, true);
    goods->tab(KQSGoodsVC::Sale)->setTicked(onSale.at(0).item_id, true);
    answered.clear();
    confirm(goods->toolBar()->sBtn);
    EXPECT_TRUE(settle());

    EXPECT_EQ(answeredCount("item/stop.do"), 2);
    EXPECT_EQ(answeredCount("item/list.do"), 3) << "every tab reloaded once";
    const QStringList stored = names(goods->tab(KQSGoodsVC::Stop)->dataArray());
    for (const QString& name : moved) {
        EXPECT_TRUE(stored.mid(0, 2).contains(name)) << name.toStdString();
        EXPECT_FALSE(names(goods->tab(KQSGoodsVC::Sale)->dataArray()).contains(name))
            << name.toStdString();
    }
    EXPECT_TRUE(goods->isBatchMode());
    EXPECT_TRUE(goods->dataArray().isEmpty());
}

TEST_F(GoodsE2E, ABatchDeleteWithOneGoneGoodsShowsTheRefusalAndDeletesTheRest) {
    auto* goods = push(new KQSGoodsVC);
    KQSGoodsCategoryView* stored = goods->tab(KQSGoodsVC::Stop);
    const QList<KQSGoodsModel> before = stored->dataArray();
    ASSERT_GE(before.size(), 3);
    goods->enterBatchMode();
    goods->tabScrollView()->scrollToPage(KQSGoodsVC::Stop, false);
    for (int i = 0; i < 3; ++i) {
        stored->setTicked(before.at(i).item_id, true);
    }
    deleteOnService(before.at(1).item_id);
    answered.clear();
    confirm(goods->toolBar()->deleteBtn);
    EXPECT_TRUE(settle());

    EXPECT_EQ(answeredCount("item/delete.do"), 3);
    EXPECT_TRUE(Toast::visibleTexts().contains("商品不存在"));
    EXPECT_EQ(answeredCount("item/list.do"), 3) << "the refusal still ends the batch with a reload";
    const QStringList left = names(stored->dataArray());
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(left.contains(before.at(i).name)) << before.at(i).name.toStdString();
    }
    EXPECT_EQ(stored->dataArray().size(), before.size() - 3);
    EXPECT_TRUE(stored->selectArray().isEmpty());
}

class GoodsSearchE2E : public GoodsE2E {
protected:
    KQSMenuCell* menuRow(KQSSearchVC* search, int row) {
        return static_cast<KQSMenuCell*>(search->menuView()->tableView()->cellForRow({0, row}));
    }
};

TEST_F(GoodsSearchE2E, TheCategoryMenuFiltersByEitherLevelAndShowsAnEmptyCategory) {
    auto* search = push(new KQSSearchVC);
    EXPECT_EQ(search->dataArray().size(), 10) << "the first page of every goods item";
    EXPECT_FALSE(search->tableView()->nullView()->isVisible());

    search->selectGourpBtn()->click();
    ASSERT_TRUE(search->menuView()->isShown());
    ASSERT_EQ(search->menuView()->dataArray().size(), 5);
    KQSMenuCell* clothes = menuRow(search, 0);
    ASSERT_EQ(clothes->titleLabel->text(), "服装");
    clothes->openBtn->click();
    ASSERT_EQ(menuRow(search, 0)->secondLevelButtons().size(), 3);
    menuRow(search, 0)->secondLevelButtons().at(0)->click();
    EXPECT_TRUE(settle());
    EXPECT_FALSE(search->menuView()->isShown());
    EXPECT_EQ(search->selectGourpBtn()->text(), "女装");
    EXPECT_EQ(search->category_id(), "111");
    EXPECT_EQ(names(search->dataArray()), (QStringList{"夏季碎花雪纺连衣裙", "高腰阔腿牛仔裤",
                                                       "法式复古衬衫", "针织开衫外套"}));

    search->selectGourpBtn()->click();
    KQSMenuCell* gifts = menuRow(search, 4);
    ASSERT_EQ(gifts->titleLabel->text(), "节日礼品");
    EXPECT_TRUE(gifts->openBtn->isHidden());
    gifts->titleLabel->click();
    EXPECT_TRUE(settle());
    EXPECT_EQ(search->selectGourpBtn()->text(), "节日礼品");
    EXPECT_TRUE(search->dataArray().isEmpty());
    EXPECT_TRUE(search->tableView()->nullView()->isVisible());

    // A pull-down drops the filter, and the button no longer names a category.
    search->tableView()->refreshHeader()->beginRefreshing();
    EXPECT_TRUE(settle());
    EXPECT_EQ(search->selectGourpBtn()->text(), "选择分组");
    EXPECT_EQ(search->dataArray().size(), 10);
    EXPECT_FALSE(search->tableView()->nullView()->isVisible());
}

TEST_F(GoodsSearchE2E, ANameSearchFindsGoodsOfEverySaleState) {
    auto* search = push(new KQSSearchVC);
    search->searchField()->setText("耳机"); // as an input method puts it in
    QTest::keyClick(search->searchField(), Qt::Key_Return);
    EXPECT_TRUE(settle());
    EXPECT_EQ(names(search->dataArray()).size(), 3);
    for (const QString& name : names(search->dataArray())) {
        EXPECT_TRUE(name.contains("耳机")) << name.toStdString();
    }
    // Goods that are sold out or stored are found too.
    search->searchField()->setText("连帽卫衣");
    QTest::keyClick(search->searchField(), Qt::Key_Return);
    EXPECT_TRUE(settle());
    ASSERT_EQ(search->dataArray().size(), 1);
}

} // namespace
