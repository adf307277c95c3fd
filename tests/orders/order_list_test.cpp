#include "OrderFixture.h"
#include "app/RCNavigationbar.h"
#include "app/ScreenClasses.h"
#include "orders/KQDetailOrderVC.h"
#include "orders/KQLogistyMsgVC.h"
#include "orders/KQSActivistCell.h"
#include "orders/KQSOrderVC.h"
#include "orders/KQSendGoodsVC.h"
#include "orders/KQSortScrollView.h"
#include "orders/OrderNotifications.h"
#include "platform/NotificationCenter.h"
#include "platform/PopoverMenu.h"
#include "platform/RefreshControl.h"
#include "ui/KQBaseTableView.h"

#include <QLabel>
#include <QPushButton>

namespace {

class OrderListTest : public ScreenFixture {
protected:
    KQSOrderVC* open(int page) {
        list = push(new KQSOrderVC(page));
        return list;
    }
    KQBaseTableView* table() const { return list->contentView()->tableView(); }
    QLabel* headerLabel(int section, const char* name) const {
        return table()->headerView(section)->findChild<QLabel*>(name);
    }
    QWidget* footer(int section) const { return table()->footerView(section); }
    // Scrolls the row into view first: only rows on screen exist.
    KQSActivistCell* cell(int section, int row) const {
        const QRect rect = table()->rectForRow({section, row});
        table()->setContentOffset(qBound(table()->minimumContentOffset(), rect.top() - 60,
                                         table()->maximumContentOffset()));
        QCoreApplication::processEvents();
        auto* found = static_cast<KQSActivistCell*>(table()->cellForRow({section, row}));
        EXPECT_NE(found, nullptr);
        return found;
    }
    bool refreshing() const { return table()->refreshHeader()->isRefreshing(); }

    KQSOrderVC* list = nullptr;
};

TEST_F(OrderListTest, OpensOnItsTabAndAsksForTheFirstPageOfThatFilter) {
    peer.reply("/order/list.do", PeerReply::json(Envelope::page({})));
    open(2);
    ASSERT_TRUE(settle());
    EXPECT_EQ(list->sortView()->selectedIndex(), 2);
    const PeerRequest sent = last();
    EXPECT_EQ(sent.field("status"), "waitSend");
    EXPECT_EQ(sent.field("start"), "0");
    EXPECT_EQ(sent.field("size"), "10");
    // A list request never carries a search filter.
    for (const char* field :
         {"order_id", "item_name", "name", "telephone", "order_start_time", "payment_end_time"}) {
        EXPECT_TRUE(sent.hasField(field)) << field;
        EXPECT_EQ(sent.field(field), "") << field;
    }
    EXPECT_EQ(peer.count("/order/list.do"), 1)
        << "setting the first filter sends no second request";
    EXPECT_TRUE(table()->nullView()->isVisible()) << "an empty list shows the empty-state view";
}

TEST_F(OrderListTest, SectionsShowSourceStatusItemsAndTheirFooterAction) {
    QJsonObject anonymous = Payload::order("3", "mystery", 0);
    anonymous.insert("source", "");
    peer.reply("/order/list.do", PeerReply::json(Envelope::page(
                                     {Payload::order("1", "payment-done", 3, 0),
                                      Payload::order("2", "deliver", 1, 0.01), anonymous})));
    open(0);
    ASSERT_TRUE(settle());
    EXPECT_EQ(peer.requests().first().field("status"), "");
    ASSERT_EQ(table()->numberOfSections(), 3);
    EXPECT_EQ(table()->numberOfRows(0), 3);
    EXPECT_EQ(table()->numberOfRows(2), 0);
    EXPECT_FALSE(table()->nullView()->isVisible());

    EXPECT_EQ(headerLabel(0, "sourceLabel")->text(), "订单来源: Facebook");
    EXPECT_EQ(headerLabel(0, "statusLabel")->text(), "已付款");
    EXPECT_EQ(cell(0, 0)->priceLabel->text(), "US$12.50(包邮)");
    EXPECT_EQ(cell(0, 0)->inventoryLabel->text(), "商品规格: 红,XL");
    EXPECT_EQ(cell(0, 0)->salesLabel->text(), "商品数量: 1");
    shoot("orders-list");
    EXPECT_NE(footer(0)->findChild<QPushButton*>("sendGoodBtn"), nullptr);
    EXPECT_EQ(footer(0)->findChild<QLabel*>("allPriceLabel")->text(), "合计(含运费): US$42.00");
    EXPECT_EQ(cell(1, 0)->priceLabel->text(), "US$12.50");
    EXPECT_NE(footer(1)->findChild<QPushButton*>("checkLogisticsBtn"), nullptr);
    EXPECT_EQ(footer(1)->findChild<QPushButton*>("sendGoodBtn"), nullptr);

    table()->setContentOffset(table()->maximumContentOffset());
    QCoreApplication::processEvents();
    EXPECT_EQ(headerLabel(2, "sourceLabel")->text(), "订单来源: 集铺");
    EXPECT_EQ(headerLabel(2, "statusLabel")->text(), "");
    EXPECT_TRUE(footer(2)->findChildren<QPushButton*>().isEmpty());
}

TEST_F(OrderListTest, PagingAddsPagesAndAPullDownStartsAgainFromTheFirst) {
    int served = 0;
    peer.setHandler([&served](const PeerRequest& request) {
        const QString id = QStringLiteral("%1-%2").arg(request.field("start")).arg(++served);
        return PeerReply::json(Envelope::page({Payload::order(id, "payment")}));
    });
    open(1);
    ASSERT_TRUE(settle());
    table()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("start"), "10");
    table()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("start"), "20");
    EXPECT_EQ(last().field("status"), "waitPay");
    EXPECT_EQ(list->contentView()->modelArray().size(), 3);
    table()->refreshHeader()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("start"), "0");
    ASSERT_EQ(list->contentView()->modelArray().size(), 1);
    EXPECT_EQ(list->contentView()->modelArray().first().order_id, "0-4");
}

TEST_F(OrderListTest, TouchingTheSelectedTabAgainRefreshesFromTheFirstPage) {
    peer.reply("/order/list.do", PeerReply::json(Envelope::page({Payload::order("1", "closed")})));
    open(6);
    ASSERT_TRUE(settle());
    table()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    QTest::mouseClick(list->sortView()->btnArr().at(6), Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("start"), "0");
    EXPECT_EQ(last().field("status"), "close");
    QTest::mouseClick(list->sortView()->btnArr().at(3), Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("status"), "waitConfirm");
    EXPECT_EQ(list->sortView()->selectedIndex(), 3);
}

TEST_F(OrderListTest, AFailureEnvelopeStopsTheIndicatorSoTheNextPullWorks) {
    peer.reply("/order/list.do", PeerReply::json(Envelope::failure("服务繁忙")));
    open(0);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(Toast::visibleTexts().contains("服务繁忙"));
    EXPECT_FALSE(refreshing());
    peer.reply("/order/list.do", PeerReply::json(Envelope::page({Payload::order("9", "payment")})));
    table()->refreshHeader()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_EQ(table()->numberOfSections(), 1);
}

TEST_F(OrderListTest, ATransportFailureStopsTheIndicatorAndKeepsTheRows) {
    peer.reply("/order/list.do", PeerReply::json(Envelope::page({Payload::order("1", "payment")})));
    open(0);
    ASSERT_TRUE(settle());
    PeerReply down;
    down.status = 503;
    peer.reply("/order/list.do", down);
    table()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(table()->loadMoreFooter()->isRefreshing());
    EXPECT_EQ(table()->numberOfSections(), 1);
    peer.reply("/order/list.do", PeerReply::json(Envelope::page({Payload::order("2", "payment")})));
    table()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("start"), "10") << "the page that failed is asked for again";
    EXPECT_EQ(table()->numberOfSections(), 2);
}

// A slow service: every "全部" page answers late, every other filter at once.
std::function<PeerReply(const PeerRequest&)> slowWhenUnfiltered() {
    return [](const PeerRequest& request) {
        const QString status = request.field("status");
        const QString id =
            QStringLiteral("%1-%2").arg(status.isEmpty() ? "all" : status, request.field("start"));
        PeerReply reply = PeerReply::json(
            Envelope::page({Payload::order(id, status.isEmpty() ? "payment" : "payment-done")}));
        reply.delayMs = status.isEmpty() ? 300 : 0;
        return reply;
    };
}

TEST_F(OrderListTest, ATabTouchedWhileTheFirstPageLoadsEndsWithThatTabsOrdersOnly) {
    peer.setHandler(slowWhenUnfiltered());
    open(0);
    const auto all = peer.waitForRequest("/order/list.do");
    ASSERT_TRUE(all);
    EXPECT_EQ(all->field("status"), "");
    // The activity overlay lies over the window while the page loads; the tab is pressed as
    // assistive technology would press it.
    list->sortView()->btnArr().at(2)->click();
    const auto waitSend = peer.waitForRequest("/order/list.do");
    ASSERT_TRUE(waitSend) << "the new tab is asked for at once";
    EXPECT_EQ(waitSend->field("status"), "waitSend");
    EXPECT_EQ(waitSend->field("start"), "0");
    ASSERT_TRUE(settle());
    const auto ids = [this] {
        QStringList found;
        for (const KQOrderModel& order : list->contentView()->modelArray()) {
            found << order.order_id;
        }
        return found;
    };
    EXPECT_EQ(ids(), QStringList{"waitSend-0"});
    EXPECT_EQ(list->sortView()->selectedIndex(), 2);
    EXPECT_FALSE(refreshing());

    table()->loadMoreFooter()->beginRefreshing();
    const auto more = peer.waitForRequest("/order/list.do");
    ASSERT_TRUE(more);
    EXPECT_EQ(more->field("status"), "waitSend");
    EXPECT_EQ(more->field("start"), "10");
    ASSERT_TRUE(settle());
    EXPECT_EQ(ids(), (QStringList{"waitSend-0", "waitSend-10"}));
}

TEST_F(OrderListTest, AShipmentAnnouncedWhileTheFirstPageLoadsReloadsAtOnce) {
    int served = 0;
    peer.setHandler([&served](const PeerRequest&) {
        ++served;
        PeerReply reply = PeerReply::json(
            Envelope::page({Payload::order(QStringLiteral("answer-%1").arg(served), "payment")}));
        reply.delayMs = served == 1 ? 300 : 0;
        return reply;
    });
    open(2);
    ASSERT_TRUE(peer.waitForRequest("/order/list.do"));
    NotificationCenter::post(OrderNotifications::sendGoods());
    const auto again = peer.waitForRequest("/order/list.do");
    ASSERT_TRUE(again) << "the reload is not swallowed by the refresh under way";
    EXPECT_EQ(again->field("status"), "waitSend");
    ASSERT_TRUE(settle());
    ASSERT_EQ(list->contentView()->modelArray().size(), 1);
    EXPECT_EQ(list->contentView()->modelArray().first().order_id, "answer-2");
}

TEST_F(OrderListTest, ClosingOrShippingElsewhereReloadsTheList) {
    peer.reply("/order/list.do", PeerReply::json(Envelope::page({Payload::order("1", "payment")})));
    open(2);
    ASSERT_TRUE(settle());
    table()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    push(new KQSBaesVC);
    NotificationCenter::post(OrderNotifications::sendGoods());
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("start"), "0");
    EXPECT_EQ(last().field("status"), "waitSend");
}

TEST_F(OrderListTest, FooterActionsAndRowsOpenTheirScreens) {
    peer.reply("/order/list.do",
               PeerReply::json(Envelope::page(
                   {Payload::order("1", "payment-done"), Payload::order("2", "deliver")})));
    peer.reply("/order/get.do", PeerReply::json(Envelope::success(Payload::order("1", "payment"))));
    peer.reply("/waybill/get.do", PeerReply::json(Envelope::success(QJsonArray{})));
    open(0);
    ASSERT_TRUE(settle());
    cell(0, 0);
    QTest::mouseClick(footer(0)->findChild<QPushButton*>("sendGoodBtn"), Qt::LeftButton);
    navigation->finishTransition();
    auto* ship = qobject_cast<KQSendGoodsVC*>(top());
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(ship->order_id(), "1");
    EXPECT_EQ(ship->addressM().name, "Alice");
    pop();

    cell(1, 0);
    QTest::mouseClick(footer(1)->findChild<QPushButton*>("checkLogisticsBtn"), Qt::LeftButton);
    navigation->finishTransition();
    auto* tracking = qobject_cast<KQLogistyMsgVC*>(top());
    ASSERT_NE(tracking, nullptr);
    EXPECT_EQ(tracking->order_id(), "2");
    ASSERT_TRUE(settle());
    pop();

    QTest::mouseClick(cell(1, 0), Qt::LeftButton, {}, QPoint(100, 30));
    ASSERT_TRUE(QTest::qWaitFor([&] { return qobject_cast<KQDetailOrderVC*>(top()) != nullptr; }));
    navigation->finishTransition();
    auto* detail = qobject_cast<KQDetailOrderVC*>(top());
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->orderID(), "2");
}

TEST_F(OrderListTest, TheMoreMenuOpensTheCommentListByItsClassName) {
    // A stand-in for the comment subsystem, which registers its list under that name.
    ScreenClasses::add(QStringLiteral("KQCommentListVC"), [] {
        auto* comments = new KQSBaesVC;
        comments->setObjectName(QStringLiteral("commentList"));
        return comments;
    });
    peer.reply("/order/list.do", PeerReply::json(Envelope::page({})));
    open(0);
    ASSERT_TRUE(settle());
    QTest::mouseClick(list->naviBar()->right0, Qt::LeftButton);
    auto* menu = window->findChild<PopoverMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->entries(), QStringList{"评论管理"});
    EXPECT_EQ(list->naviBar()->right1->accessibleName(), "搜索订单");
    QTest::mouseClick(menu->entryButton(0), Qt::LeftButton);
    navigation->finishTransition();
    EXPECT_EQ(top()->objectName(), "commentList");
}

} // namespace
