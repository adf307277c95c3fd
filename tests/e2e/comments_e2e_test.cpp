#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "comments/CommentScreens.h"
#include "comments/KQCommentCell.h"
#include "comments/KQCommentListVC.h"
#include "comments/KQCommentReplyVC.h"
#include "orders/KQSOrderVC.h"
#include "platform/PagingScrollView.h"
#include "platform/PopoverMenu.h"
#include "support/E2EFixture.h"
#include "ui/KQBaseTableView.h"
#include "ui/KQSBottumsView.h"

#include <QPushButton>

namespace {

// The demo owner answering buyer comments, reached from the order list as in the app.
class CommentsE2E : public E2EFixture {
protected:
    void SetUp() override {
        E2EFixture::SetUp();
        static const bool registered = [] {
            registerCommentScreens();
            return true;
        }();
        ASSERT_TRUE(registered);
        launch();
        signIn();
        ASSERT_NE(tabs(), nullptr);
        stack = qobject_cast<KQSNavigtionVC*>(tabs()->currentStack());
        ASSERT_NE(stack, nullptr);
    }

    template <class S> S* topAs() {
        EXPECT_TRUE(waitUntil([this] { return qobject_cast<S*>(stack->top()) != nullptr; }));
        stack->finishTransition();
        EXPECT_TRUE(settle());
        return qobject_cast<S*>(stack->top());
    }

    // "更多" -> "评论管理" on the order list.
    KQCommentListVC* openCommentList() {
        stack->pushViewController(new KQSOrderVC(0), true);
        auto* orders = topAs<KQSOrderVC>();
        if (!orders) {
            return nullptr;
        }
        QTest::mouseClick(orders->naviBar()->right0, Qt::LeftButton);
        auto* menu = window->findChild<PopoverMenu*>();
        EXPECT_NE(menu, nullptr);
        if (!menu) {
            return nullptr;
        }
        QTest::mouseClick(menu->entryButton(0), Qt::LeftButton);
        return topAs<KQCommentListVC>();
    }

    static const QList<KQCommentModel>& comments(KQCommentListVC* list, int page) {
        return list->pages().at(page)->dataArray();
    }
    static int sectionOf(KQCommentListVC* list, int page, const QString& commentId) {
        const QList<KQCommentModel>& shown = comments(list, page);
        for (int i = 0; i < shown.size(); ++i) {
            if (shown.at(i).comment_id == commentId) {
                return i;
            }
        }
        return -1;
    }
    // Scrolls the comment's row into view and returns it.
    static KQCommentCell* row(KQCommentListVC* list, int page, int section) {
        TableView* table = list->pages().at(page)->tableView();
        const QRect rect = table->rectForRow({section, 0});
        table->setContentOffset(
            qBound(table->minimumContentOffset(), rect.top(), table->maximumContentOffset()));
        QCoreApplication::processEvents();
        return static_cast<KQCommentCell*>(table->cellForRow({section, 0}));
    }
    KQCommentReplyVC* openReply(KQCommentListVC* list, int page, int section) {
        // Only the page on screen can be touched.
        QTest::mouseClick(list->topBarView()->btns().at(page), Qt::LeftButton);
        EXPECT_TRUE(waitUntil([list, page] {
            return list->tabScrollView()->currentPage() == page &&
                   list->tabScrollView()->scroller()->state() == QScroller::Inactive;
        }));
        KQCommentCell* cell = row(list, page, section);
        EXPECT_NE(cell, nullptr);
        if (!cell) {
            return nullptr;
        }
        QTest::mouseClick(cell->backL, Qt::LeftButton);
        return topAs<KQCommentReplyVC>();
    }
    static void send(KQCommentReplyVC* reply, const QString& text) {
        reply->textView()->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(waitUntil([reply] { return reply->textView()->hasFocus(); }));
        reply->textView()->selectAll();
        QTest::keyClick(reply->textView(), Qt::Key_Delete);
        QTest::keyClicks(reply->textView(), text);
        QTest::mouseClick(reply->naviBar()->right0, Qt::LeftButton);
    }

    KQSNavigtionVC* stack = nullptr;
};

TEST_F(CommentsE2E, TheOrderMenuOpensThePagesOfAllAnsweredAndOpenComments) {
    KQCommentListVC* list = openCommentList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(comments(list, 0).size(), 10);
    ASSERT_FALSE(comments(list, 1).isEmpty());
    ASSERT_FALSE(comments(list, 2).isEmpty());
    for (const KQCommentModel& comment : comments(list, 1)) {
        EXPECT_TRUE(comment.replied);
        EXPECT_FALSE(comment.reply.content.isEmpty());
    }
    for (const KQCommentModel& comment : comments(list, 2)) {
        EXPECT_FALSE(comment.replied);
    }
}

TEST_F(CommentsE2E, AShortAnswerIsRefusedAndAGoodOneMovesTheCommentToAnswered) {
    KQCommentListVC* list = openCommentList();
    ASSERT_NE(list, nullptr);
    ASSERT_FALSE(comments(list, 2).isEmpty());
    const KQCommentModel open = comments(list, 2).first();

    KQCommentReplyVC* reply = openReply(list, 2, 0);
    ASSERT_NE(reply, nullptr);
    send(reply, "good");
    EXPECT_TRUE(settle());
    EXPECT_TRUE(Toast::visibleTexts().contains("评论不少于5个字"));
    EXPECT_EQ(stack->top(), reply) << "refused on screen, the text kept";
    EXPECT_EQ(reply->textView()->text(), "good");
    Clock::advance(2 * Toast::durationMs);

    // Nothing reached the service: the comment is still open after a fresh look.
    list->pages().at(2)->list()->reload();
    EXPECT_TRUE(settle());
    EXPECT_GE(sectionOf(list, 2, open.comment_id), 0);

    send(reply, "good, thank you");
    auto* back = topAs<KQCommentListVC>();
    ASSERT_EQ(back, list);
    EXPECT_TRUE(settle());
    EXPECT_TRUE(Toast::visibleTexts().contains("回复成功"));
    EXPECT_EQ(list->topBarView()->selectedIndex(), 0);
    EXPECT_EQ(list->tabScrollView()->currentPage(), 0);
    EXPECT_EQ(sectionOf(list, 2, open.comment_id), -1) << "no longer open";
    const int answered = sectionOf(list, 1, open.comment_id);
    ASSERT_GE(answered, 0) << "now among the answered";
    EXPECT_EQ(comments(list, 1).at(answered).reply.content, "good, thank you");
    KQCommentCell* cell = row(list, 1, answered);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->backL->text(), "已回复");
}

} // namespace
