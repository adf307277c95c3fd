#include "OrderFixture.h"
#include "orders/KQChooseWaybillVC.h"
#include "orders/KQCloseOrderVC.h"
#include "orders/KQLogistyMsgVC.h"
#include "orders/KQSendGoodsVC.h"
#include "orders/OrderNotifications.h"
#include "platform/NotificationCenter.h"
#include "platform/RefreshControl.h"
#include "ui/KQBaseTableView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

QJsonObject express(const QString& id, const QString& name) {
    return QJsonObject{{"company_id", id}, {"name", name}, {"logo", "ignored"}};
}

QByteArray expressPage(const QJsonArray& companies) {
    return Envelope::success(QJsonObject{{"list", companies}});
}

class ShipAndCloseTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        NotificationCenter::observe(OrderNotifications::sendGoods(), &observer,
                                    [this] { ++announced; });
    }
    QObject observer;
    int announced = 0;
};

TEST_F(ShipAndCloseTest, ClosingSendsTheChosenReasonThenAnnouncesAndReturns) {
    struct Case {
        QList<int> touches;
        const char* sent;
    };
    const Case cases[] = {{{}, "无法联系上买家"}, {{1, 4}, "其他"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sent);
        peer.reply("/order/close.do", PeerReply::json(Envelope::success(QJsonObject{})));
        auto* close = push(new KQCloseOrderVC("100001"));
        for (int index : c.touches) {
            QTest::mouseClick(close->btnArr().at(index), Qt::LeftButton, {}, QPoint(30, 9));
        }
        int checked = 0;
        for (QPushButton* button : close->btnArr()) {
            checked += button->isChecked() ? 1 : 0;
        }
        EXPECT_EQ(checked, 1);
        if (c.touches.isEmpty()) {
            shoot("orders-close");
        }
        QTest::mouseClick(close->submitBtn(), Qt::LeftButton);
        ASSERT_TRUE(settle());
        EXPECT_EQ(last().path, "/order/close.do");
        EXPECT_EQ(last().field("order_id"), "100001");
        EXPECT_EQ(last().field("reason"), QString::fromUtf8(c.sent));
        navigation->finishTransition();
        EXPECT_EQ(top(), root);
    }
    EXPECT_EQ(announced, 2);
}

TEST_F(ShipAndCloseTest, ARefusedCloseStaysForAnotherTry) {
    peer.reply("/order/close.do", PeerReply::json(Envelope::failure("该订单当前状态不能关闭")));
    auto* close = push(new KQCloseOrderVC("100003"));
    QTest::mouseClick(close->submitBtn(), Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(top(), close);
    EXPECT_TRUE(Toast::visibleTexts().contains("该订单当前状态不能关闭"));
    EXPECT_EQ(announced, 0);
}

TEST_F(ShipAndCloseTest, ShippingWithNothingFilledInLetsTheServiceJudge) {
    peer.reply("/waybill/send.do", PeerReply::json(Envelope::failure("请选择快递公司")));
    auto* ship = push(new KQSendGoodsVC("100002", {}));
    QTest::mouseClick(ship->saveBtn, Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(last().hasField("company_id"));
    EXPECT_EQ(last().field("company_id"), "");
    EXPECT_EQ(last().field("waybill_number"), "");
    EXPECT_EQ(top(), ship);
    EXPECT_TRUE(Toast::visibleTexts().contains("请选择快递公司"));
    EXPECT_EQ(announced, 0);
}

TEST_F(ShipAndCloseTest, ShippingWithAChosenCompanyAnnouncesAndReturns) {
    peer.reply("/express/list.do",
               PeerReply::json(expressPage({express("1", "顺丰速运"), express("2", "DHL")})));
    peer.reply("/waybill/send.do", PeerReply::json(Envelope::success(QJsonObject{})));
    KQOrderBuyerAddressModel address;
    address.name = "Alice";
    address.telephone = "+1 555 0100";
    address.detail_address = "1 Market Street, Springfield";
    auto* ship = push(new KQSendGoodsVC("100002", address));
    EXPECT_EQ(ship->companyRight->text(), "请选择");
    EXPECT_EQ(ship->companyRight->accessibleName(), "物流公司 请选择");
    shoot("orders-ship");

    for (int row : {0, 1}) {
        QTest::mouseClick(ship->companyRight, Qt::LeftButton);
        navigation->finishTransition();
        auto* picker = qobject_cast<KQChooseWaybillVC*>(top());
        ASSERT_NE(picker, nullptr);
        ASSERT_TRUE(settle());
        ASSERT_EQ(picker->tableView()->numberOfSections(), 2);
        if (row == 0) {
            EXPECT_EQ(last().field("start"), "0");
            EXPECT_EQ(last().field("size"), "10");
            shoot("orders-choose-express");
        } else {
            EXPECT_EQ(picker->chooseCompanyID, "1") << "the picker gets the current choice";
        }
        TableCell* cell = picker->tableView()->cellForRow({row, 0});
        ASSERT_NE(cell, nullptr);
        // A touch while the list springs back from its refresh only stops it, as on a phone.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return picker->tableView()->scroller()->state() == QScroller::Inactive; }));
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(40, 20));
        ASSERT_TRUE(QTest::qWaitFor([&] { return top() == ship; }));
        navigation->finishTransition();
    }
    EXPECT_EQ(ship->companyRight->text(), "DHL");
    EXPECT_EQ(ship->company_id(), "2");
    // The chosen company keeps the grey of the prompt, and is announced with its row label.
    EXPECT_EQ(ship->companyRight->palette().color(QPalette::ButtonText), QColor(156, 162, 162));
    EXPECT_EQ(ship->companyRight->accessibleName(), "物流公司 DHL");

    QTest::keyClicks(ship->idRight, "SF1234567");
    QTest::mouseClick(ship->saveBtn, Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().path, "/waybill/send.do");
    EXPECT_EQ(last().field("order_id"), "100002");
    EXPECT_EQ(last().field("company_id"), "2");
    EXPECT_EQ(last().field("waybill_number"), "SF1234567");
    navigation->finishTransition();
    EXPECT_EQ(top(), root);
    EXPECT_EQ(announced, 1);
}

TEST_F(ShipAndCloseTest, ThePickerPagesAndStopsItsIndicatorsOnFailure) {
    peer.reply("/express/list.do", PeerReply::json(expressPage({express("1", "顺丰速运")})));
    auto* picker = push(new KQChooseWaybillVC);
    ASSERT_TRUE(settle());
    picker->tableView()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("start"), "10");
    EXPECT_EQ(picker->dataArray().size(), 2);
    peer.reply("/express/list.do", PeerReply::json(Envelope::failure("分页参数不正确")));
    picker->tableView()->loadMoreFooter()->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(picker->tableView()->loadMoreFooter()->isRefreshing());
    EXPECT_FALSE(picker->tableView()->refreshHeader()->isRefreshing());
}

QJsonObject waybill(const QString& number, const QString& company, const QJsonValue& steps) {
    QJsonObject bill{{"waybill_id", "1"},
                     {"number", number},
                     {"address", QJsonObject{{"name", "Alice"}}},
                     {"from_country", "中国"},
                     {"company", QJsonObject{{"company_id", "1"}, {"name", company}}}};
    if (!steps.isUndefined()) {
        bill.insert("process_list", steps);
    }
    return bill;
}

class TrackingTest : public ScreenFixture {};

TEST_F(TrackingTest, ShowsTheFirstWaybillWithItsStepsNewestHighlighted) {
    const QString longStep =
        QString("【洛杉矶】包裹已到达目的地分拨中心，正在安排派送，请保持电话畅通").repeated(2);
    peer.reply("/waybill/get.do",
               PeerReply::json(Envelope::success(QJsonArray{
                   waybill("SF1234567", "顺丰速运",
                           QJsonArray{QJsonObject{{"time", "86400000"}, {"content", longStep}},
                                      QJsonObject{{"time", "3600000"}, {"content", "已揽收"}}}),
                   waybill("OLD999", "DHL", QJsonArray{})})));
    auto* tracking = push(new KQLogistyMsgVC("100003"));
    ASSERT_TRUE(settle());
    EXPECT_EQ(last().field("order_id"), "100003");
    ASSERT_TRUE(tracking->model().has_value());
    EXPECT_EQ(tracking->nameLabel->text(), "顺丰速运");
    EXPECT_EQ(tracking->expressLabel->text(), "SF1234567");
    ASSERT_EQ(tracking->logArray().size(), 2);
    EXPECT_EQ(tracking->logArray().at(0).model().time, "1970-01-02 00:00:00");

    // A step that wraps gets a row for all its lines plus the time and the margins.
    const LogisticsFrameModel& first = tracking->logArray().at(0);
    const LogisticsFrameModel& second = tracking->logArray().at(1);
    EXPECT_GT(first.titleFrame().height(), 2 * second.titleFrame().height());
    EXPECT_DOUBLE_EQ(first.heiht(), first.timerFrame().bottom() + 16);
    EXPECT_DOUBLE_EQ(first.timerFrame().top(), first.titleFrame().bottom() + 16);
    EXPECT_DOUBLE_EQ(first.timerFrame().right(), 375 - 28);
    EXPECT_LE(first.titleFrame().width(), 375 - 93);

    auto* newest = static_cast<logTableViewCell*>(tracking->tableView()->cellForRow({0, 0}));
    auto* older = static_cast<logTableViewCell*>(tracking->tableView()->cellForRow({0, 1}));
    ASSERT_TRUE(newest && older);
    EXPECT_TRUE(newest->isFirst());
    EXPECT_FALSE(older->isFirst());
    shoot("orders-tracking");

    QGuiApplication::clipboard()->clear();
    tracking->expressLabel->showCopyMenu(tracking->expressLabel->mapToGlobal(QPoint(5, 5)));
    ASSERT_NE(tracking->expressLabel->copyMenu(), nullptr);
    tracking->expressLabel->copyMenu()->actions().first()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "SF1234567");
}

TEST_F(TrackingTest, AWaybillWithoutStepsOrNoWaybillAtAll) {
    struct Case {
        QByteArray body;
        const char* company;
        const char* number;
    };
    const Case cases[] = {
        {Envelope::success(QJsonArray{waybill("SF1", "顺丰速运", QJsonValue::Null)}), "顺丰速运",
         "SF1"},
        {Envelope::success(QJsonArray{waybill("SF2", "DHL", QJsonValue::Undefined)}), "DHL", "SF2"},
        {Envelope::success(QJsonArray{}), "", ""},
        {Envelope::success(QJsonValue::Null), "", ""},
    };
    for (const Case& c : cases) {
        peer.reply("/waybill/get.do", PeerReply::json(c.body));
        auto* tracking = push(new KQLogistyMsgVC("100003"));
        ASSERT_TRUE(settle());
        EXPECT_EQ(tracking->nameLabel->text(), QString::fromUtf8(c.company));
        EXPECT_EQ(tracking->expressLabel->text(), QString::fromUtf8(c.number));
        EXPECT_TRUE(tracking->logArray().isEmpty());
        pop();
    }
}

} // namespace
