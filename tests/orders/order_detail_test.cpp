#include "OrderFixture.h"
#include "orders/KQCloseOrderVC.h"
#include "orders/KQDetailOrderVC.h"
#include "orders/KQDetailPanels.h"
#include "orders/KQLogistyMsgVC.h"
#include "orders/KQOrderStatusView.h"
#include "orders/KQSendGoodsVC.h"
#include "orders/OrderNotifications.h"
#include "platform/KineticScrollView.h"
#include "platform/NotificationCenter.h"
#include "ui/PanelLayout.h"

#include <QLabel>
#include <QPushButton>

namespace {

class OrderDetailTest : public ScreenFixture {
protected:
    // Opens the detail of an order the peer serves as given.
    KQDetailOrderVC* open(const QJsonObject& order) {
        serve(order);
        detail = push(new KQDetailOrderVC(order.value("order_id").toString()));
        EXPECT_TRUE(settle());
        return detail;
    }
    void serve(const QJsonObject& order) {
        peer.reply("/order/get.do", PeerReply::json(Envelope::success(order)));
    }
    static QJsonObject withHistory(QJsonObject order, const QJsonArray& history) {
        order.insert("status_list", history);
        return order;
    }
    QLabel* statusElement(const char* name) const {
        return detail->contentV()->layout()->element<QLabel>(name);
    }
    qint64 inSeconds(qint64 seconds) const { return Clock::nowMs() + seconds * 1000; }

    KQDetailOrderVC* detail = nullptr;
};

TEST_F(OrderDetailTest, ThePaymentCountDownTicksEverySecond) {
    open(withHistory(
        Payload::order("1", "payment"),
        {Payload::history("payment", Clock::nowMs(), inSeconds(2 * 3600 + 5 * 60 + 9))}));
    EXPECT_EQ(peer.requests().first().field("order_id"), "1");
    ASSERT_NE(detail->contentV(), nullptr);
    EXPECT_EQ(detail->contentV()->layout()->layoutName(), "KQOrderStatus1");
    EXPECT_EQ(statusElement("firstDuration")->text(), "如买家未在02时05分09秒内付款");
    Clock::advance(1000);
    EXPECT_EQ(statusElement("firstDuration")->text(), "如买家未在02时05分08秒内付款");
    shoot("orders-detail-payment");

    QTest::mouseClick(detail->contentV()->layout()->element<QPushButton>("closeBtn"),
                      Qt::LeftButton);
    navigation->finishTransition();
    auto* close = qobject_cast<KQCloseOrderVC*>(top());
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->order_id(), "1");
    EXPECT_FALSE(detail->contentV()->isCounting()) << "a detail out of sight stops its clock";
}

TEST_F(OrderDetailTest, AnExpiredPaymentDeadlineFetchesAgainOnlyOnce) {
    struct Case {
        const char* name;
        qint64 secondsLeft;
    };
    for (const Case& c : {Case{"runs out while shown", 2}, Case{"already past", -30}}) {
        SCOPED_TRACE(c.name);
        const int before = peer.count("/order/get.do");
        const QJsonObject pending =
            withHistory(Payload::order("5", "payment"),
                        {Payload::history("payment", Clock::nowMs(), inSeconds(c.secondsLeft))});
        serve(pending);
        detail = push(new KQDetailOrderVC("5"));
        ASSERT_TRUE(settle());
        Clock::advance(3000);
        // Settled again means the fetch the deadline started was answered and started no other.
        ASSERT_TRUE(settle());
        // The service still says "payment" with the same deadline: one more fetch, no loop.
        EXPECT_EQ(peer.count("/order/get.do"), before + 2);
        EXPECT_EQ(statusElement("firstDuration")->text(), "买家付款时间已到");
        pop();
    }
}

TEST_F(OrderDetailTest, TheRefundWindowTextHasADayAndAnHourForm) {
    struct Case {
        int seconds;
        const char* text;
    };
    const Case cases[] = {
        {3 * 86400 + 2 * 3600, "买家如在3天内没有申请退款"},
        {5 * 3600 + 30 * 60, "买家如在05时30分内没有申请退款"},
        {86400, "买家如在1天内没有申请退款"},
        {86399, "买家如在23时59分内没有申请退款"},
        {0, "买家申请退款的期限已过"},
        {-3600, "买家申请退款的期限已过"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KQOrderStatusView::refundWindowText(c.seconds), QString::fromUtf8(c.text))
            << c.seconds;
    }
}

TEST_F(OrderDetailTest, AShippedOrderShowsItsRefundWindowAndLogisticsRow) {
    QJsonObject shipped =
        withHistory(Payload::order("3", "deliver", 2),
                    {Payload::history("payment", 86400000),
                     Payload::history("deliver", 2 * 86400000, inSeconds(3 * 86400 + 7200))});
    shipped.insert("waybill",
                   QJsonObject{{"content", "【深圳市】已揽收"}, {"posttime", "172800000"}});
    open(shipped);
    EXPECT_EQ(statusElement("duration3")->text(), "买家如在3天内没有申请退款");
    EXPECT_EQ(detail->productMsg()->height(), 164 * 2 + 118);
    EXPECT_TRUE(detail->productMsg()->receiveBG->isVisibleTo(detail->productMsg()));
    EXPECT_EQ(detail->productMsg()->receiveL->text(), "【深圳市】已揽收");
    EXPECT_EQ(detail->productMsg()->time->text(), "1970-01-03 00:00:00");
    EXPECT_EQ(detail->productMsg()->ViewArray.first()->status->text(), "状态: 已发货");
    // Placed and shipped, never paid: the second progress row stays empty.
    EXPECT_TRUE(detail->progress()->order->isVisibleTo(detail->progress()));
    EXPECT_FALSE(detail->progress()->apply->isVisibleTo(detail->progress()));
    EXPECT_TRUE(detail->progress()->finshApply->isVisibleTo(detail->progress()));
    EXPECT_EQ(detail->progress()->order->text(), "买家下单: 1970-01-02 00:00:00");
    shoot("orders-detail-shipped");

    detail->scrollView()->ensureWidgetVisible(detail->productMsg()->receiveBG);
    QTest::mouseClick(detail->productMsg()->receiveBG, Qt::LeftButton);
    navigation->finishTransition();
    auto* tracking = qobject_cast<KQLogistyMsgVC*>(top());
    ASSERT_NE(tracking, nullptr);
    EXPECT_EQ(tracking->order_id(), "3");
}

TEST_F(OrderDetailTest, AShippedOrderWithoutNewsShowsNoTime) {
    open(Payload::order("4", "receive", 1));
    EXPECT_EQ(detail->contentV()->viewHeight(), 200);
    EXPECT_EQ(detail->productMsg()->receiveL->text(), "暂无物流信息");
    EXPECT_EQ(detail->productMsg()->time->text(), "");
    shoot("orders-detail-received");
}

TEST_F(OrderDetailTest, UnshippedOrdersHaveNoLogisticsRow) {
    open(Payload::order("2", "payment-done", 2));
    EXPECT_EQ(detail->productMsg()->height(), 164 * 2 + 118 - 70);
    EXPECT_EQ(detail->productMsgViewH(), 164 * 2 + 118 - 70);
    EXPECT_FALSE(detail->productMsg()->receiveBG->isVisibleTo(detail->productMsg()));
    EXPECT_EQ(detail->orderMsg()->orderNum->text(), "订单编号: 2");
    EXPECT_EQ(detail->orderMsg()->buyer->text(), "买家: alice88");
    EXPECT_EQ(detail->orderMsg()->getter->text(), "收货人: Alice");
    EXPECT_EQ(detail->orderMsg()->buyMsg->text(), "暂无留言");
    EXPECT_EQ(detail->productMsg()->ViewArray.at(1)->price->text(), "单价:US$13.50");
    EXPECT_EQ(detail->productMsg()->ViewArray.at(1)->discount->text(), "优惠:US$1.50");
    shoot("orders-detail-paid");
}

TEST_F(OrderDetailTest, APaidOrderOffersShippingAndClosing) {
    open(withHistory(Payload::order("2", "payment-done"),
                     {Payload::history("payment", 1000), Payload::history("payment-done", 2000)}));
    PanelLayout* panel = detail->contentV()->layout();
    ASSERT_EQ(panel->layoutName(), "KQOrderStatus2");
    QTest::mouseClick(panel->element<QPushButton>("gotoBtn"), Qt::LeftButton);
    navigation->finishTransition();
    auto* ship = qobject_cast<KQSendGoodsVC*>(top());
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(ship->order_id(), "2");
    EXPECT_EQ(ship->addressM().telephone, "+1 555 0100");
    pop();
    ASSERT_TRUE(settle()); // shown again: fetched again
    QTest::mouseClick(detail->contentV()->layout()->element<QPushButton>("closeBtn"),
                      Qt::LeftButton);
    navigation->finishTransition();
    EXPECT_NE(qobject_cast<KQCloseOrderVC*>(top()), nullptr);
}

TEST_F(OrderDetailTest, AClosedOrderShowsItsReasonAndRefund) {
    QJsonObject closed =
        withHistory(Payload::order("7", "closed", 1), {Payload::history("payment", 1000)});
    QJsonArray history = closed.value("status_list").toArray();
    QJsonObject entry = Payload::history("closed", 5000);
    entry.insert("reason", "其他");
    entry.insert("refund_amount", 42);
    history.append(entry);
    closed.insert("status_list", history);
    open(closed);
    EXPECT_EQ(statusElement("reason")->text(), "关闭理由:其他");
    EXPECT_EQ(statusElement("refundMoney")->text(), "订单退款金额: US$42.00");
    EXPECT_EQ(detail->contentV()->viewHeight(), 205);
    EXPECT_FALSE(detail->productMsg()->receiveBG->isVisibleTo(detail->productMsg()));
    shoot("orders-detail-closed");
}

TEST_F(OrderDetailTest, FoldingAPanelMovesThePanelsBelowIt) {
    open(Payload::order("2", "payment-done", 2));
    const auto gapBelow = [](QWidget* upper, QWidget* lower) {
        return lower->y() - (upper->y() + upper->height());
    };
    const int progressTop = detail->progress()->y();
    detail->productMsg()->messageBtn->click();
    EXPECT_EQ(detail->productMsg()->height(), 48);
    EXPECT_EQ(detail->productMsg()->messageBtn->text(), "展开");
    EXPECT_EQ(gapBelow(detail->productMsg(), detail->orderMsg()), 12);
    EXPECT_EQ(gapBelow(detail->orderMsg(), detail->progress()), 12);
    EXPECT_EQ(detail->progress()->y(), progressTop - (376 - 48));
    detail->orderMsg()->messageBtn->click();
    EXPECT_EQ(detail->orderMsg()->height(), 48);
    EXPECT_EQ(gapBelow(detail->orderMsg(), detail->progress()), 12);
    detail->productMsg()->messageBtn->click();
    detail->orderMsg()->messageBtn->click();
    EXPECT_EQ(detail->productMsg()->messageBtn->text(), "收起");
    EXPECT_EQ(detail->progress()->y(), progressTop);
    EXPECT_EQ(detail->scrollView()->widget()->height(), progressTop + 160 + 20);
}

TEST_F(OrderDetailTest, AStatusOutsideTheVocabularyGetsPanelZeroAndNoLabel) {
    open(Payload::order("8", "disputed"));
    EXPECT_EQ(detail->contentV()->panel(), 0);
    EXPECT_EQ(detail->productMsg()->ViewArray.first()->status->text(), "状态: ");
}

} // namespace
