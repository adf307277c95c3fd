#include "CommentFixture.h"
#include "app/RCNavigationbar.h"
#include "comments/KQCommentCell.h"
#include "comments/KQCommentListVC.h"
#include "comments/KQCommentReplyVC.h"
#include "orders/KQDetailOrderVC.h"
#include "platform/PagingScrollView.h"
#include "platform/RefreshControl.h"
#include "ui/KQBaseTableView.h"
#include "ui/KQSBottumsView.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

using namespace CommentPayloads;

class CommentListTest : public CommentScreenFixture {
protected:
    void SetUp() override {
        CommentScreenFixture::SetUp();
        peer.reply("/comment/reply.do", PeerReply::json(Envelope::success(QJsonObject{})));
    }
    // Serves each page filter its own comments.
    void serve(const QJsonArray& all, const QJsonArray& answered, const QJsonArray& open) {
        peer.setHandler([=](const PeerRequest& request) {
            if (request.path == "/comment/reply.do") {
                return PeerReply::json(Envelope::success(QJsonObject{}));
            }
            if (request.path == "/order/get.do") {
                return PeerReply::json(
                    Envelope::success(Payload::order(request.field("order_id"), "payment")));
            }
            const QString replied = request.field("replied");
            return PeerReply::json(page(replied == "true"    ? answered
                                        : replied == "false" ? open
                                                             : all));
        });
    }
    KQCommentListVC* open() {
        list = push(new KQCommentListVC);
        waitForPages();
        return list;
    }
    // Waits for the first page of each of the three lists and for their replies.
    void waitForPages() {
        for (int page = 0; page < 3; ++page) {
            EXPECT_TRUE(peer.waitForRequest("/comment/list.do")) << page;
        }
        EXPECT_TRUE(settle());
    }
    KQBaseTableView* table(int page) const { return list->pages().at(page)->tableView(); }
    KQCommentCell* cell(int page, int section) const {
        return static_cast<KQCommentCell*>(table(page)->cellForRow({section, 0}));
    }
    int scrollX() const { return list->tabScrollView()->horizontalScrollBar()->value(); }

    KQCommentListVC* list = nullptr;
};

TEST_F(CommentListTest, OpensWithThreePagesEachAskingForItsFirstPage) {
    serve({comment("1"), comment("2", 4, "谢谢")}, {comment("2", 4, "谢谢")}, {comment("1")});
    open();
    EXPECT_EQ(list->naviBar()->titleView->text(), "评论列表");
    EXPECT_EQ(list->topBarView()->titles(), QStringList({"全部", "已回", "未回"}));
    EXPECT_EQ(list->topBarView()->geometry(), QRect(0, 64, 375, 50));
    EXPECT_EQ(list->tabScrollView()->geometry().left(), 12);
    EXPECT_EQ(list->tabScrollView()->width(), 375 - 24);
    EXPECT_EQ(list->contentView(), list->pages().last());

    const QList<PeerRequest> sent = requestsTo("/comment/list.do");
    ASSERT_EQ(sent.size(), 3);
    QStringList filters;
    for (const PeerRequest& request : sent) {
        filters.append(request.field("replied"));
        EXPECT_EQ(request.field("start"), "0");
        EXPECT_EQ(request.field("size"), "10");
        // A list request carries no search filter.
        for (const char* field : {"order_id", "item_name", "start_time", "end_time"}) {
            EXPECT_TRUE(request.hasField(field)) << field;
            EXPECT_EQ(request.field(field), "") << field;
        }
    }
    filters.sort();
    EXPECT_EQ(filters, QStringList({"", "false", "true"}));

    ASSERT_EQ(table(0)->numberOfSections(), 2);
    EXPECT_EQ(table(1)->numberOfSections(), 1);
    EXPECT_EQ(cell(0, 0)->nameL->text(), "buyer1");
    EXPECT_EQ(cell(0, 1)->backL->text(), "已回复");
    EXPECT_EQ(table(0)->rectForRow({0, 0}).top(), 12) << "a grey gap above each comment";
    shoot("comments-list");
}

TEST_F(CommentListTest, TheStripAndThePagesFollowEachOther) {
    serve({}, {}, {});
    open();
    EXPECT_TRUE(table(0)->nullView()->isVisible()) << "an empty page shows the empty state";
    const int pageWidth = 375 - 24;
    QTest::mouseClick(list->topBarView()->btns().at(2), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return scrollX() == 2 * pageWidth &&
               list->tabScrollView()->scroller()->state() == QScroller::Inactive;
    }));
    EXPECT_EQ(list->topBarView()->selectedIndex(), 2);

    // A swipe back by one page selects its tab without touching the strip.
    QWheelEvent wheel(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->tabScrollView()->viewport(), &wheel);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topBarView()->selectedIndex() == 1; }));
    EXPECT_EQ(scrollX(), pageWidth);
    EXPECT_EQ(requestsTo("/comment/list.do").size(), 3) << "moving between pages loads nothing";
}

TEST_F(CommentListTest, ARowOpensItsOrder) {
    serve({comment("1"), comment("2")}, {}, {});
    open();
    KQCommentCell* row = cell(0, 1);
    ASSERT_NE(row, nullptr);
    row->rightBtn->click();
    navigation->finishTransition();
    auto* detail = qobject_cast<KQDetailOrderVC*>(top());
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->orderID(), "10002");
}

TEST_F(CommentListTest, AReplyReloadsEveryPageAndShowsAllOnStripAndPages) {
    serve({comment("1"), comment("2")}, {}, {comment("1"), comment("2")});
    open();
    QTest::mouseClick(list->topBarView()->btns().at(2), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scrollX() == 2 * (375 - 24); }));
    QTest::mouseClick(cell(2, 1)->backL, Qt::LeftButton);
    navigation->finishTransition();
    auto* reply = qobject_cast<KQCommentReplyVC*>(top());
    ASSERT_NE(reply, nullptr);
    typeInto(reply->textView(), "thank you");
    QTest::mouseClick(reply->naviBar()->right0, Qt::LeftButton);
    navigation->finishTransition();
    ASSERT_TRUE(peer.waitForRequest("/comment/reply.do"));
    waitForPages();

    const QList<PeerRequest> replies = requestsTo("/comment/reply.do");
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(replies.first().field("comment_id"), "2");
    EXPECT_TRUE(Toast::visibleTexts().contains("回复成功"));
    const QList<PeerRequest> lists = requestsTo("/comment/list.do");
    ASSERT_EQ(lists.size(), 6);
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(lists.at(i).field("start"), "0");
    }
    EXPECT_EQ(top(), list);
    EXPECT_EQ(scrollX(), 0);
    EXPECT_EQ(list->topBarView()->selectedIndex(), 0) << "the strip follows the pages to 全部";
}

TEST_F(CommentListTest, RowsLeftOnScreenDuringAPullDownPointNowhere) {
    int served = 0;
    peer.setHandler([&served](const PeerRequest& request) {
        ++served;
        PeerReply reply = PeerReply::json(page({comment("1"), comment("2"), comment("3")}));
        // Every page after the first three is held back until the test has looked.
        reply.neverAnswer = served > 3 && request.field("replied") == "";
        return reply;
    });
    open();
    ASSERT_EQ(table(0)->numberOfSections(), 3);
    QPointer<QPushButton> detail = cell(0, 2)->rightBtn;
    QPointer<QPushButton> answer = cell(0, 2)->backL;
    table(0)->refreshHeader()->beginRefreshing();
    ASSERT_TRUE(peer.waitForRequest("/comment/list.do"));
    EXPECT_EQ(table(0)->numberOfSections(), 0) << "the table is redrawn as it is emptied";
    EXPECT_TRUE(table(0)->visibleCells().isEmpty());
    // A touch on what was left of a row reaches nothing.
    if (detail) {
        detail->click();
    }
    if (answer) {
        answer->click();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(top(), list);
    table(0)->setContentOffset(200);
    QCoreApplication::processEvents();
}

} // namespace
