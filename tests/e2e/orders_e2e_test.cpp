#include "app/KQSNavigtionVC.h"
#include "orders/KQChooseWaybillVC.h"
#include "orders/KQCloseOrderVC.h"
#include "orders/KQDetailOrderVC.h"
#include "orders/KQLogistyMsgVC.h"
#include "orders/KQOrderStatusView.h"
#include "orders/KQSOrderVC.h"
#include "orders/KQSendGoodsVC.h"
#include "orders/KQSortScrollView.h"
#include "platform/RefreshControl.h"
#include "support/E2EFixture.h"
#include "ui/KQBaseTableView.h"
#include "ui/PanelLayout.h"

#include <QLabel>

namespace {

// The demo owner working through orders, as from the dashboard's order entries.
class OrdersE2E : public E2EFixture {
protected:
    void SetUp() override {
        E2EFixture::SetUp();
        launch();
        signIn();
        ASSERT_NE(tabs(), nullptr);
        navigation = qobject_cast<KQSNavigtionVC*>(tabs()->currentStack());
        ASSERT_NE(navigation, nullptr);
    }

    template <class S> S* push(S* screen) {
        ScreenFixture::push(screen);
        EXPECT_TRUE(settle());
        return screen;
    }
    // Waits until the screen on top is an S and its requests are answered.
    template <class S> S* topAs() {
        EXPECT_TRUE(waitUntil([this] { return ScreenFixture::topAs<S>() != nullptr; }));
        navigation->finishTransition();
        EXPECT_TRUE(settle());
        return ScreenFixture::topAs<S>();
    }
    static TableView* table(KQSOrderVC* list) { return list->contentView()->tableView(); }

    // The section of the order in the list, loading more pages until it shows up.
    static int sectionOf(KQSOrderVC* list, const QString& orderId) {
        for (int pages = 0; pages < 10; ++pages) {
            const QList<KQOrderModel>& orders = list->contentView()->modelArray();
            for (int i = 0; i < orders.size(); ++i) {
                if (orders.at(i).order_id == orderId) {
                    return i;
                }
            }
            table(list)->loadMoreFooter()->beginRefreshing();
            EXPECT_TRUE(settle());
        }
        return -1;
    }
    // Scrolls the section's footer into view and presses its action.
    static void pressFooterAction(KQSOrderVC* list, int section, const char* name) {
        const QRect row = table(list)->rectForRow({section, 0});
        table(list)->setContentOffset(qBound(table(list)->minimumContentOffset(), row.top(),
                                             table(list)->maximumContentOffset()));
        QCoreApplication::processEvents();
        QWidget* footer = table(list)->footerView(section);
        ASSERT_NE(footer, nullptr);
        auto* action = footer->findChild<QPushButton*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->click();
    }
    static void chooseTab(KQSOrderVC* list, int tab) {
        list->sortView()->btnArr().at(tab)->click();
        EXPECT_TRUE(settle());
    }
};

TEST_F(OrdersE2E, ShipAPaidOrderAndFollowItsWaybill) {
    auto* list = push(new KQSOrderVC(2));
    const QList<KQOrderModel> paid = list->contentView()->modelArray();
    ASSERT_FALSE(paid.isEmpty());
    for (const KQOrderModel& order : paid) {
        EXPECT_EQ(order.status, "payment-done") << order.order_id.toStdString();
    }
    const QString orderId = paid.first().order_id;

    // Open it, then ship it from its status panel.
    table(list)->cellForRow({0, 0})->click();
    auto* detail = topAs<KQDetailOrderVC>();
    ASSERT_NE(detail, nullptr);
    ASSERT_EQ(detail->orderID(), orderId);
    detail->contentV()->layout()->element<QPushButton>("gotoBtn")->click();
    auto* ship = topAs<KQSendGoodsVC>();
    ASSERT_NE(ship, nullptr);
    ship->companyRight->click();
    auto* picker = topAs<KQChooseWaybillVC>();
    ASSERT_NE(picker, nullptr);
    ASSERT_EQ(picker->dataArray().size(), 8);
    const KQSExpressModel company = picker->dataArray().at(1);
    picker->tableView()->cellForRow({1, 0})->click();
    ASSERT_EQ(topAs<KQSendGoodsVC>(), ship);
    EXPECT_EQ(ship->companyRight->text(), company.name);
    QTest::keyClicks(ship->idRight, "SF20161234");
    ship->saveBtn->click();

    // Back on the detail, fetched again: shipped. The list below reloaded from page 0.
    detail = topAs<KQDetailOrderVC>();
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->orderModel()->status, "deliver");
    EXPECT_EQ(detail->contentV()->layout()->layoutName(), "KQOrderStatus3");
    navigation->popViewController(true);
    navigation->finishTransition();
    EXPECT_TRUE(settle());
    for (const KQOrderModel& order : list->contentView()->modelArray()) {
        EXPECT_NE(order.order_id, orderId) << "no longer waiting to be shipped";
    }
    EXPECT_EQ(list->contentView()->list()->nextPage(),
              list->contentView()->modelArray().isEmpty() ? 0 : 1)
        << "only the first page is shown";

    chooseTab(list, 3);
    const int section = sectionOf(list, orderId);
    ASSERT_GE(section, 0);
    EXPECT_EQ(list->contentView()->modelArray().at(section).status, "deliver");
    pressFooterAction(list, section, "checkLogisticsBtn");
    auto* tracking = topAs<KQLogistyMsgVC>();
    ASSERT_NE(tracking, nullptr);
    EXPECT_EQ(tracking->nameLabel->text(), company.name);
    EXPECT_EQ(tracking->expressLabel->text(), "SF20161234");
    ASSERT_FALSE(tracking->logArray().isEmpty());
    EXPECT_TRUE(tracking->logArray().first().model().content.contains("SF20161234"));
    EXPECT_FALSE(tracking->logArray().first().model().time.isEmpty());
}

TEST_F(OrdersE2E, CloseAnUnpaidOrderWithTheReasonOther) {
    auto* list = push(new KQSOrderVC(1));
    ASSERT_FALSE(list->contentView()->modelArray().isEmpty());
    const QString orderId = list->contentView()->modelArray().first().order_id;
    table(list)->cellForRow({0, 0})->click();
    auto* detail = topAs<KQDetailOrderVC>();
    ASSERT_NE(detail, nullptr);
    detail->contentV()->layout()->element<QPushButton>("closeBtn")->click();
    auto* close = topAs<KQCloseOrderVC>();
    ASSERT_NE(close, nullptr);
    close->btnArr().at(4)->click();
    close->submitBtn()->click();

    detail = topAs<KQDetailOrderVC>();
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->orderModel()->status, "closed");
    auto* reason = detail->contentV()->layout()->element<QLabel>("reason");
    ASSERT_NE(reason, nullptr);
    EXPECT_EQ(reason->text(), "关闭理由:其他");

    navigation->popViewController(true);
    navigation->finishTransition();
    EXPECT_TRUE(settle());
    chooseTab(list, 6);
    const int section = sectionOf(list, orderId);
    ASSERT_GE(section, 0);
    EXPECT_EQ(list->contentView()->modelArray().at(section).status, "closed");
}

} // namespace
