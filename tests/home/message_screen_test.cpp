#include "app/RCNavigationbar.h"
#include "home/KQSMessageVC.h"
#include "home/KQSMessagerCell.h"
#include "orders/KQDetailOrderVC.h"
#include "platform/RefreshControl.h"
#include "support/ScreenFixture.h"
#include "ui/KQBaseTableView.h"

#include <QLabel>
#include <QPushButton>

namespace {

QJsonObject message(int i, bool viewed, bool withDetail) {
    QJsonObject m{{"message_id", QString("m%1").arg(i)},
                  {"content", QString("订单 %1 已付款").arg(i)},
                  {"viewed", viewed},
                  {"posttime", QString::number(1463533932000LL + i)}};
    if (withDetail) {
        m.insert("detail", QJsonObject{{"order_id", QString("OD%1").arg(i)}, {"type", "order"}});
    }
    return m;
}

// Answers "message/list.do" from `total` messages by start and size, unread when odd.
std::function<PeerReply(const PeerRequest&)> messages(int total) {
    return [total](const PeerRequest& request) {
        if (request.path != "/message/list.do") {
            return PeerReply::json(R"({"status":"success","data":{}})");
        }
        const int start = request.field("start").toInt();
        const int size = request.field("size").toInt();
        QJsonArray list;
        for (int i = start; i < std::min(total, start + size); ++i) {
            list.append(message(i, i % 2 == 0, i != 1));
        }
        return ScreenFixture::success({{"list", list}});
    };
}

class MessageScreenTest : public ScreenFixture {
protected:
    KQSMessageVC* openMessages() {
        KQSMessageVC* screen = open(new KQSMessageVC);
        header = screen->tableView()->refreshHeader();
        footer = screen->tableView()->loadMoreFooter();
        return screen;
    }
    KQSMessagerCell* row(KQSMessageVC* screen, int i) {
        return static_cast<KQSMessagerCell*>(screen->tableView()->cellForRow({0, i}));
    }
    RefreshControl* header = nullptr;
    RefreshControl* footer = nullptr;
};

TEST_F(MessageScreenTest, PagesThroughFifteenMessagesTenAtATime) {
    peer.setHandler(messages(15));
    KQSMessageVC* screen = openMessages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !header->isRefreshing(); }));
    EXPECT_EQ(peer.count("/message/list.do"), 1);
    const PeerRequest first = peer.requests().first();
    EXPECT_EQ(first.field("start"), "0");
    EXPECT_EQ(first.field("size"), "10");
    EXPECT_EQ(first.field("disable_auto_view"), "1");
    EXPECT_EQ(screen->tableView()->numberOfRows(0), 10);
    EXPECT_EQ(screen->naviBar()->titleView->text(), "消息中心");
    EXPECT_TRUE(screen->naviBar()->left0->isHidden());

    footer->beginRefreshing();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !footer->isRefreshing(); }));
    EXPECT_EQ(peer.requests().last().field("start"), "10");
    EXPECT_EQ(peer.requests().last().field("size"), "10");
    EXPECT_EQ(screen->tableView()->numberOfRows(0), 15);
    EXPECT_EQ(screen->dataArray().last().message_id, "m14");

    // The footer never runs out: an empty page adds nothing and the next pull asks again.
    footer->beginRefreshing();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !footer->isRefreshing(); }));
    EXPECT_EQ(peer.requests().last().field("start"), "20");
    EXPECT_EQ(screen->tableView()->numberOfRows(0), 15);
    EXPECT_TRUE(screen->tableView()->nullView()->isHidden());
}

TEST_F(MessageScreenTest, RowsShowTheMessageTheUnreadMarkAndTheSeparator) {
    zone.emplace("Asia/Shanghai");
    peer.setHandler(messages(3));
    KQSMessageVC* screen = openMessages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->tableView()->numberOfRows(0) == 3; }));
    KQSMessagerCell* unread = row(screen, 1);
    ASSERT_TRUE(unread);
    EXPECT_EQ(unread->height(), 69);
    EXPECT_EQ(unread->titleLabel->text(), "订单提醒");
    EXPECT_EQ(unread->deTitleLabel->text(), "订单 1 已付款");
    EXPECT_EQ(unread->timerLabel->text(), "2016-05-18 09:12:12");
    EXPECT_EQ(unread->timerLabel->palette().color(unread->timerLabel->foregroundRole()),
              QColor(156, 162, 162));
    EXPECT_FALSE(unread->numMessagerLabel->isHidden());
    EXPECT_EQ(unread->numMessagerLabel->text(), "1");
    EXPECT_EQ(unread->numMessagerLabel->geometry(), QRect(375 - 15 - 18, 38, 18, 18));
    EXPECT_TRUE(row(screen, 0)->numMessagerLabel->isHidden());
    EXPECT_FALSE(row(screen, 0)->lineView->isHidden());
    EXPECT_TRUE(row(screen, 2)->lineView->isHidden());
    shoot("messages");
}

TEST_F(MessageScreenTest, EmptyListShowsTheEmptyStatePicture) {
    peer.setHandler(messages(0));
    KQSMessageVC* screen = openMessages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !header->isRefreshing(); }));
    EXPECT_EQ(screen->tableView()->numberOfRows(0), 0);
    EXPECT_FALSE(screen->tableView()->nullView()->isHidden());
}

TEST_F(MessageScreenTest, TouchingAMessageSendsTheViewRequestAndKeepsTheList) {
    peer.setHandler(messages(3));
    KQSMessageVC* screen = openMessages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->tableView()->numberOfRows(0) == 3; }));
    struct Case {
        int row;
        const char* messageId;
        const char* opensOrder; // the order whose detail opens, if any
    };
    for (const Case& c : {Case{1, "m1", nullptr}, Case{2, "m2", "OD2"}}) {
        SCOPED_TRACE(c.messageId);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            auto* overlay = window->findChild<QWidget*>("activityOverlay");
            const bool atRest = screen->tableView()->scroller()->state() == QScroller::Inactive;
            return atRest && (!overlay || !overlay->isVisible());
        }));
        QTest::mouseClick(row(screen, c.row), Qt::LeftButton, {}, QPoint(100, 30));
        const auto viewed = peer.waitForRequest("/message/view.do");
        ASSERT_TRUE(viewed);
        EXPECT_EQ(viewed->field("message_id"), c.messageId);
        if (c.opensOrder) {
            ASSERT_EQ(navigation->screens().size(), 2);
            auto* detail = qobject_cast<KQDetailOrderVC*>(navigation->top());
            ASSERT_NE(detail, nullptr);
            EXPECT_EQ(detail->orderID(), c.opensOrder);
            navigation->pop(false);
            navigation->finishTransition();
            // Back on the list, which asks for its first page again.
            ASSERT_TRUE(QTest::qWaitFor([&] { return row(screen, 1) != nullptr; }));
        } else {
            EXPECT_EQ(navigation->screens().size(), 1);
        }
        EXPECT_FALSE(row(screen, 1)->numMessagerLabel->isHidden());
    }
}

TEST_F(MessageScreenTest, IndicatorsStopWhateverTheOutcome) {
    PeerReply down;
    down.dropConnection = true;
    struct Case {
        const char* name;
        PeerReply reply;
        const char* toast;
    };
    const QList<Case> cases{{"refused", refused("店铺不存在"), "店铺不存在"},
                            {"no network", down, "请检查网络连接"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        peer.setHandler(messages(12));
        KQSMessageVC* screen = openMessages();
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen->tableView()->numberOfRows(0) == 10; }));

        peer.setHandler([&c](const PeerRequest&) { return c.reply; });
        footer->beginRefreshing();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !footer->isRefreshing(); }));
        header->beginRefreshing();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !header->isRefreshing(); }));
        EXPECT_TRUE(Toast::visibleTexts().contains(c.toast));
        // A refresh empties the list at its start; the failed reply adds nothing.
        EXPECT_EQ(screen->tableView()->numberOfRows(0), 0);
    }
}

TEST_F(MessageScreenTest, APageAskedBeforeARefreshDoesNotJoinTheNewList) {
    std::function<PeerReply(const PeerRequest&)> pages = messages(25);
    peer.setHandler(pages);
    KQSMessageVC* screen = openMessages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->tableView()->numberOfRows(0) == 10; }));

    peer.setHandler([pages](const PeerRequest& request) {
        PeerReply reply = pages(request);
        reply.delayMs = request.field("start") == "10" ? 400 : 0;
        return reply;
    });
    ASSERT_TRUE(peer.waitForRequest("/message/list.do"));
    footer->beginRefreshing();
    const auto late = peer.waitForRequest("/message/list.do");
    ASSERT_TRUE(late);
    EXPECT_EQ(late->field("start"), "10");
    header->beginRefreshing();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(header->isRefreshing() || footer->isRefreshing());
    EXPECT_EQ(screen->tableView()->numberOfRows(0), 10);
    EXPECT_EQ(screen->dataArray().last().message_id, "m9");
}

} // namespace
