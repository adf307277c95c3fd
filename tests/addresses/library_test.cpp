#include "AddressFixture.h"
#include "addresses/AddressScreens.h"
#include "addresses/KQAddAddressVC.h"
#include "addresses/KQLogisticsCell.h"
#include "addresses/KQSLogisticsVC.h"
#include "app/RCNavigationbar.h"
#include "app/ScreenClasses.h"
#include "platform/Alert.h"
#include "ui/KQBaseTableView.h"

#include <QLabel>
#include <QPushButton>

namespace {

using namespace AddressPayload;

class LibraryTest : public ScreenFixture {
protected:
    KQSLogisticsVC* openLibrary(const QJsonArray& addresses) {
        peer.reply("/address/list.do", PeerReply::json(Envelope::success(addresses)));
        auto* library = push(new KQSLogisticsVC);
        EXPECT_TRUE(settle());
        return library;
    }
    static KQLogisticsCell* cell(KQSLogisticsVC* library, int section) {
        return qobject_cast<KQLogisticsCell*>(library->tableView()->cellForRow({section, 0}));
    }
    static QStringList ids(KQSLogisticsVC* library) {
        QStringList list;
        for (const KQLogisticsModel& record : library->dataArray()) {
            list.append(record.address_id);
        }
        return list;
    }
    static QStringList defaults(KQSLogisticsVC* library) {
        QStringList list;
        for (const KQLogisticsModel& record : library->dataArray()) {
            if (record.default_receive) {
                list.append(record.address_id);
            }
        }
        return list;
    }
    static void confirmDelete() {
        ASSERT_FALSE(Alert::presented().isEmpty());
        Alert* alert = Alert::presented().last();
        EXPECT_EQ(alert->title(), "提示");
        EXPECT_EQ(alert->message(), "您确认要删除该地址吗?");
        EXPECT_EQ(alert->actionTitles(), QStringList({"取消", "确认"}));
        alert->trigger("确认");
    }
};

TEST_F(LibraryTest, ListsEveryAddressWithItsActions) {
    auto* library = openLibrary({address("1", "张伟"), address("2", "李娜", true)});
    EXPECT_EQ(library->naviBar()->titleView->text(), "地址库");
    ASSERT_EQ(library->tableView()->numberOfSections(), 2);
    EXPECT_EQ(library->tableView()->rectForRow({0, 0}).top(), KQSLogisticsVC::kMargin);
    EXPECT_EQ(library->tableView()->rectForRow({0, 0}).height(), KQLogisticsCell::kHeight);
    EXPECT_FALSE(library->tableView()->nullView()->isVisible());
    EXPECT_EQ(library->tableView()->geometry(), QRect(12, 64, 351, 667 - 70 - 12 - 64));
    KQLogisticsCell* first = cell(library, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->nameLabel->text(), "收货人: 张伟");
    EXPECT_EQ(first->phoneLabel->text(), "13900139002");
    EXPECT_EQ(first->addressLabel->text(), "浙江省杭州市文三路90号东部软件园");
    EXPECT_EQ(first->nameLabel->textFormat(), Qt::PlainText);
    EXPECT_FALSE(first->defaultButton->isChecked());
    EXPECT_TRUE(cell(library, 1)->defaultButton->isChecked());
    EXPECT_TRUE(first->defaultButton->accessibleName().contains("默认收货地址"));
    EXPECT_EQ(library->addButton()->geometry().top() + library->addButton()->parentWidget()->y() +
                  library->addButton()->height() / 2,
              667 - KQSLogisticsVC::kBottomBarHeight / 2);
    shoot("addresses-library");
}

TEST_F(LibraryTest, AnEmptyOrMissingListShowsTheEmptyState) {
    for (const QJsonValue& data : {QJsonValue(QJsonArray()), QJsonValue()}) {
        peer.reply("/address/list.do",
                   PeerReply::json(data.isUndefined() ? QByteArray(R"({"status":"success"})")
                                                      : Envelope::success(data)));
        auto* library = push(new KQSLogisticsVC);
        ASSERT_TRUE(settle());
        EXPECT_EQ(library->tableView()->numberOfSections(), 0);
        EXPECT_TRUE(library->tableView()->nullView()->isVisible());
        pop();
        ASSERT_TRUE(settle());
    }
}

TEST_F(LibraryTest, ShowingTheLibraryAgainReloadsIt) {
    auto* library = openLibrary({address("1", "张伟")});
    peer.reply("/address/list.do", PeerReply::json(Envelope::success(
                                       QJsonArray{address("1", "张伟"), address("2", "李娜")})));
    cell(library, 0)->editButton->click();
    navigation->finishTransition();
    auto* editor = qobject_cast<KQAddAddressVC*>(top());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->titleName(), "编辑地址");
    ASSERT_TRUE(editor->model().has_value());
    EXPECT_EQ(editor->model()->address_id, "1");
    pop();
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsTo("/address/list.do").size(), 2);
    EXPECT_EQ(ids(library), QStringList({"1", "2"}));
}

TEST_F(LibraryTest, AddAndRowTouchOpenTheEditor) {
    auto* library = openLibrary({address("7", "王强")});
    library->addButton()->click();
    navigation->finishTransition();
    auto* adding = qobject_cast<KQAddAddressVC*>(top());
    ASSERT_NE(adding, nullptr);
    EXPECT_EQ(adding->titleName(), "添加新地址");
    EXPECT_FALSE(adding->model().has_value());
    pop();
    ASSERT_TRUE(settle());
    QTest::mouseClick(cell(library, 0), Qt::LeftButton, {}, QPoint(100, 40));
    navigation->finishTransition();
    auto* editing = qobject_cast<KQAddAddressVC*>(top());
    ASSERT_NE(editing, nullptr);
    EXPECT_EQ(editing->model()->address_id, "7");
}

// The touched address is sent as the default; the marks move only once the service agreed.
TEST_F(LibraryTest, MarkingADefaultSendsTrueAndMovesTheMarkOnSuccess) {
    auto* library = openLibrary({address("1", "张伟", true), address("2", "李娜")});
    PeerReply slow = PeerReply::json(Envelope::success(address("2", "李娜", true)));
    slow.delayMs = 200;
    peer.reply("/address/save.do", slow);
    cell(library, 1)->defaultButton->click();
    EXPECT_EQ(defaults(library), QStringList({"1"}));
    EXPECT_FALSE(cell(library, 1)->defaultButton->isChecked());
    ASSERT_TRUE(settle());
    const QList<PeerRequest> saves = requestsTo("/address/save.do");
    ASSERT_EQ(saves.size(), 1);
    EXPECT_EQ(saves.first().field("address_id"), "2");
    EXPECT_EQ(saves.first().field("default_receive"), "true");
    EXPECT_EQ(saves.first().field("name"), "李娜");
    EXPECT_EQ(saves.first().field("city_id"), "330100");
    EXPECT_EQ(defaults(library), QStringList({"2"}));
    EXPECT_TRUE(cell(library, 1)->defaultButton->isChecked());
    EXPECT_FALSE(cell(library, 0)->defaultButton->isChecked());
}

TEST_F(LibraryTest, ARefusedOrFailedDefaultMarkChangesNothing) {
    auto* library = openLibrary({address("1", "张伟", true), address("2", "李娜")});
    PeerReply broken = PeerReply::json("down");
    broken.status = 500;
    for (const PeerReply& reply : {PeerReply::json(Envelope::failure("服务繁忙")), broken}) {
        peer.reply("/address/save.do", reply);
        cell(library, 1)->defaultButton->click();
        ASSERT_TRUE(settle());
        EXPECT_EQ(defaults(library), QStringList({"1"}));
        EXPECT_FALSE(cell(library, 1)->defaultButton->isChecked());
        EXPECT_TRUE(cell(library, 0)->defaultButton->isChecked());
    }
    EXPECT_EQ(requestsTo("/address/save.do").size(), 2);
}

TEST_F(LibraryTest, TouchingTheCurrentDefaultSendsNothing) {
    auto* library = openLibrary({address("1", "张伟", true), address("2", "李娜")});
    cell(library, 0)->defaultButton->click();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(requestsTo("/address/save.do").isEmpty());
    EXPECT_EQ(defaults(library), QStringList({"1"}));
    EXPECT_TRUE(cell(library, 0)->defaultButton->isChecked());
}

TEST_F(LibraryTest, DeletingTheThirdOfThreeRemovesExactlyIt) {
    auto* library = openLibrary({address("1", "张伟"), address("2", "李娜"), address("3", "王强")});
    peer.reply("/address/delete.do", PeerReply::json(Envelope::success(QJsonValue())));
    cell(library, 2)->deleteButton->click();
    confirmDelete();
    ASSERT_TRUE(settle());
    ASSERT_EQ(requestsTo("/address/delete.do").size(), 1);
    EXPECT_EQ(requestsTo("/address/delete.do").first().field("address_id"), "3");
    EXPECT_EQ(ids(library), QStringList({"1", "2"}));
    EXPECT_EQ(library->tableView()->numberOfSections(), 2);
    EXPECT_TRUE(Toast::visibleTexts().contains("删除成功"));
}

TEST_F(LibraryTest, CancellingTheDeleteSendsNothingAndDeletingTheLastShowsTheEmptyState) {
    auto* library = openLibrary({address("5", "刘洋")});
    peer.reply("/address/delete.do", PeerReply::json(Envelope::success(QJsonValue())));
    cell(library, 0)->deleteButton->click();
    ASSERT_FALSE(Alert::presented().isEmpty());
    Alert::presented().last()->trigger("取消");
    ASSERT_TRUE(settle());
    EXPECT_TRUE(requestsTo("/address/delete.do").isEmpty());
    cell(library, 0)->deleteButton->click();
    confirmDelete();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(library->dataArray().isEmpty());
    EXPECT_TRUE(library->tableView()->nullView()->isVisible());
}

// A reload that lands while a delete or a default mark is on its way moves the rows; the
// reply still acts on the address it was sent for.
TEST_F(LibraryTest, RepliesActOnTheirAddressAfterAReloadMovedTheRows) {
    auto* library = openLibrary({address("1", "张伟"), address("2", "李娜"), address("3", "王强")});
    PeerReply slow = PeerReply::json(Envelope::success(QJsonValue()));
    slow.delayMs = 500;
    peer.reply("/address/delete.do", slow);
    peer.reply("/address/save.do", slow);
    cell(library, 1)->deleteButton->click();
    confirmDelete();
    cell(library, 2)->defaultButton->click();
    ASSERT_TRUE(peer.waitForRequest("/address/delete.do"));
    ASSERT_TRUE(peer.waitForRequest("/address/save.do"));
    peer.reply("/address/list.do", PeerReply::json(Envelope::success(
                                       QJsonArray{address("3", "王强"), address("9", "赵六"),
                                                  address("2", "李娜"), address("1", "张伟")})));
    library->getAddressListData();
    ASSERT_TRUE(settle());
    EXPECT_EQ(ids(library), QStringList({"3", "9", "1"}));
    EXPECT_EQ(defaults(library), QStringList({"3"}));
}

TEST(AddressScreens, TheLibraryOpensByItsClassName) {
    registerAddressScreens();
    std::unique_ptr<Screen> screen(ScreenClasses::create("KQSLogisticsVC"));
    EXPECT_NE(qobject_cast<KQSLogisticsVC*>(screen.get()), nullptr);
}

} // namespace
