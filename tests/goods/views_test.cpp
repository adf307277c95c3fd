#include "GoodsFixture.h"
#include "goods/KQSGoodsCell.h"
#include "goods/KQSGoodsManagerToolBar.h"
#include "goods/KQSGoodsSearchMenuView.h"
#include "goods/KQSMenuCell.h"
#include "platform/ImageView.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

KQSGoodsModel goodsModel(const QJsonObject& json) {
    return GoodsPayload::goodsPage(GoodsJson::reply(QJsonObject{{"list", QJsonArray{json}}}))
        .first();
}

TEST(GoodsCell, ShowsTheRecordAsPlainTextAndIsNamedByTheGoodsName) {
    const TimeZoneGuard zone(kGoodsTimeZone);
    QJsonObject json = GoodsJson::goods("2001", "<b>碎花</b>连衣裙");
    json.insert("price", 1234.5);
    json.insert("inventory", 0);
    json.insert("sale_count", 1024);
    KQSGoodsCell cell;
    cell.setModel(goodsModel(json));
    EXPECT_EQ(cell.groupLabel->text(), "所属分组: 服装>女装");
    EXPECT_EQ(cell.timeLabel->text(), "1970-01-02 08:00:00");
    EXPECT_EQ(cell.titleLabel->text(), "<b>碎花</b>连衣裙");
    EXPECT_EQ(cell.inventoryLabel->text(), "库存: 0");
    EXPECT_EQ(cell.salesLabel->text(), "销量: 1024");
    EXPECT_EQ(cell.priceLabel->text(), "US$1234.50");
    EXPECT_EQ(cell.accessibleName(), "<b>碎花</b>连衣裙");
    EXPECT_TRUE(cell.picture->showsPlaceholder());
    for (QLabel* label : cell.findChildren<QLabel*>()) {
        if (label != cell.picture) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        }
    }

    json.remove("lmodify");
    json.remove("name");
    cell.setModel(goodsModel(json));
    EXPECT_EQ(cell.timeLabel->text(), "");
    EXPECT_EQ(cell.titleLabel->text(), "");
}

TEST(GoodsManagerToolBar, ReportsEachButtonWithItsTagAndSwapsTheSaleButton) {
    struct Spy : KQSGoodsManagerToolBarDelegate {
        QList<int> tags;
        void goodsManagerToolBar(KQSGoodsManagerToolBar*, QPushButton*, int index) override {
            tags.append(index);
        }
    } spy;
    KQSGoodsManagerToolBar bar;
    bar.delegate = &spy;
    bar.show();
    EXPECT_EQ(bar.height(), KQSGoodsManagerToolBar::kHeight);
    EXPECT_EQ(bar.sBtn->text(), "下架");
    for (QPushButton* button : {bar.allSelectBtn, bar.tBtn, bar.sBtn, bar.deleteBtn}) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(spy.tags, (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(bar.allSelectBtn->isChecked()) << "全选 toggles itself";
    QTest::mouseClick(bar.allSelectBtn, Qt::LeftButton);
    EXPECT_FALSE(bar.allSelectBtn->isChecked());

    bar.setIsFalg(false);
    EXPECT_EQ(bar.sBtn->text(), "上架");
    EXPECT_EQ(bar.sBtn->accessibleName(), "") << "read from its visible title";
    bar.setActionsShown(false);
    EXPECT_FALSE(bar.tBtn->isVisible());
    EXPECT_FALSE(bar.sBtn->isVisible());
    EXPECT_TRUE(bar.deleteBtn->isVisible());
    EXPECT_LT(bar.allSelectBtn->x(), bar.tBtn->x());
    EXPECT_LT(bar.tBtn->x(), bar.sBtn->x());
    EXPECT_LT(bar.sBtn->x(), bar.deleteBtn->x());
}

TEST(GoodsMenuCell, SecondLevelButtonsSitThreeToALine) {
    KQSOneGoodsCategoryModel seven =
        GoodsPayload::categoryTree(
            GoodsJson::reply(QJsonArray{GoodsJson::firstLevel("11", "服装", 7)}))
            .first();
    EXPECT_EQ(KQSMenuCell::heightFor(seven), KQSMenuCell::kTitleHeight) << "folded";
    seven.isOpening = true;
    EXPECT_EQ(KQSMenuCell::heightFor(seven), KQSMenuCell::kTitleHeight + 10 + 3 * 30);

    KQSMenuCell cell;
    cell.resize(375, KQSMenuCell::heightFor(seven));
    cell.setModel(seven, IndexPath{0, 4});
    cell.show();
    const QList<QPushButton*>& buttons = cell.secondLevelButtons();
    ASSERT_EQ(buttons.size(), 7);
    // Each (375 - 60) / 3 = 105 wide and 20 high, 10 apart, lines 30 apart.
    EXPECT_EQ(buttons.at(0)->geometry(), QRect(30, 10, 105, 20));
    EXPECT_EQ(buttons.at(2)->geometry(), QRect(260, 10, 105, 20));
    EXPECT_EQ(buttons.at(3)->geometry(), QRect(30, 40, 105, 20));
    EXPECT_EQ(buttons.at(6)->geometry(), QRect(30, 70, 105, 20));
    EXPECT_EQ(buttons.at(6)->text(), "服装7");
    EXPECT_EQ(buttons.at(6)->property("tag").toInt(), 106);
    EXPECT_TRUE(cell.openBtn->isChecked());
    EXPECT_EQ(cell.openBtn->accessibleName(), "展开");

    KQSOneGoodsCategoryModel empty;
    empty.name = "节日礼品";
    cell.setModel(empty, IndexPath{0, 5});
    EXPECT_TRUE(cell.openBtn->isHidden()) << "nothing to unfold";
    EXPECT_TRUE(cell.secondLevelButtons().isEmpty());
    EXPECT_EQ(KQSMenuCell::heightFor(empty), KQSMenuCell::kTitleHeight);
}

class GoodsMenuTest : public GoodsScreenFixture, public KQSGoodsSearchMenuViewDelegate {
protected:
    void goodsSearchMenuView(KQSGoodsSearchMenuView*, const KQSOneGoodsCategoryModel& one,
                             const std::optional<KQSGoodsCategoryModel>& two) override {
        chosen.append(two ? one.category_id + "/" + two->category_id : one.category_id);
    }
    KQSMenuCell* row(KQSGoodsSearchMenuView& menu, int index) {
        return static_cast<KQSMenuCell*>(menu.tableView()->cellForRow({0, index}));
    }
    QStringList chosen;
};

TEST_F(GoodsMenuTest, LoadsTheTreeUnfoldsRowsAndReportsChoices) {
    peer.reply(
        "/item/category/group.do",
        PeerReply::json(Envelope::success(QJsonArray{GoodsJson::firstLevel("11", "服装", 3),
                                                     GoodsJson::firstLevel("15", "节日礼品", 0)})));
    QWidget screen(window.get());
    screen.resize(375, 667);
    screen.show();
    KQSGoodsSearchMenuView menu(&screen);
    menu.delegate = this;
    ASSERT_TRUE(settle());
    EXPECT_EQ(menu.tableView()->height(), 0) << "hidden until shown";
    menu.showMenuSuperView();
    EXPECT_EQ(menu.tableView()->geometry(), QRect(0, 64, 375, 333));
    ASSERT_EQ(menu.tableView()->numberOfRows(0), 2);

    QTest::mouseClick(row(menu, 0)->openBtn, Qt::LeftButton);
    EXPECT_TRUE(menu.dataArray().first().isOpening);
    EXPECT_EQ(menu.tableView()->rectForRow({0, 0}).height(), KQSMenuCell::kTitleHeight + 40);
    ASSERT_EQ(row(menu, 0)->secondLevelButtons().size(), 3);
    QTest::mouseClick(row(menu, 0)->secondLevelButtons().at(1), Qt::LeftButton);
    QTest::mouseClick(row(menu, 1)->titleLabel, Qt::LeftButton);
    EXPECT_EQ(chosen, (QStringList{"11/112", "15"}));
    EXPECT_TRUE(row(menu, 1)->openBtn->isHidden());

    QTest::mouseClick(row(menu, 0)->openBtn, Qt::LeftButton);
    EXPECT_FALSE(menu.dataArray().first().isOpening);
    EXPECT_EQ(menu.tableView()->rectForRow({0, 0}).height(), KQSMenuCell::kTitleHeight);
    menu.hiddenMenu();
    EXPECT_EQ(menu.tableView()->height(), 0);
}

TEST_F(GoodsMenuTest, AFailedTreeLeavesTheMenuEmpty) {
    peer.reply("/item/category/group.do", PeerReply::json(Envelope::failure("分组不可用")));
    QWidget screen(window.get());
    screen.resize(375, 667);
    KQSGoodsSearchMenuView menu(&screen);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(menu.dataArray().isEmpty());
    EXPECT_TRUE(Toast::visibleTexts().contains("分组不可用"));
}

} // namespace
