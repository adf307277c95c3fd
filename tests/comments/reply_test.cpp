#include "CommentFixture.h"
#include "app/RCNavigationbar.h"
#include "comments/CommentReply.h"
#include "comments/KQCommentReplyVC.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace {

class CommentReplyTest : public CommentScreenFixture {
protected:
    void SetUp() override {
        CommentScreenFixture::SetUp();
        peer.reply("/comment/reply.do", PeerReply::json(Envelope::success(QJsonObject{})));
    }

    // Opens "订单回复" for comment 30001 over the root screen.
    KQCommentReplyVC* open() {
        CommentReply::start(root, QStringLiteral("30001"),
                            [this](const QString& id, const QString& answer) {
                                replied.append({id, answer});
                            });
        navigation->finishTransition();
        QCoreApplication::processEvents();
        auto* screen = qobject_cast<KQCommentReplyVC*>(top());
        EXPECT_NE(screen, nullptr);
        return screen;
    }
    static void send(KQCommentReplyVC* screen) {
        QTest::mouseClick(screen->naviBar()->right0, Qt::LeftButton);
    }
    void finish() {
        navigation->finishTransition();
        ASSERT_TRUE(settle());
        QCoreApplication::processEvents();
    }

    QList<std::pair<QString, QString>> replied;
};

TEST_F(CommentReplyTest, TheScreenCollectsOneParagraph) {
    KQCommentReplyVC* screen = open();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->naviBar()->titleView->text(), "订单回复");
    EXPECT_EQ(screen->naviBar()->right0->text(), "发送");
    EXPECT_EQ(screen->textView()->accessibleName(), "请输入您的回复信息,不少于5个字");
    EXPECT_EQ(screen->textView()->text(), "");
    EXPECT_EQ(screen->textView()->parentWidget()->geometry(), QRect(0, 84, 375, 140));
    EXPECT_EQ(screen->textView()->geometry(), QRect(10, 0, 355, 140));
    shoot("comments-reply");

    typeInto(screen->textView(), "abc");
    QTest::keyClick(screen->textView(), Qt::Key_Return);
    EXPECT_FALSE(screen->textView()->hasFocus()) << "Return ends editing";
    EXPECT_EQ(screen->textView()->text(), "abc") << "and inserts no line break";

    QGuiApplication::clipboard()->setText("d\r\ne\nf");
    screen->textView()->setFocus();
    screen->textView()->moveCursor(QTextCursor::End);
    screen->textView()->paste();
    EXPECT_EQ(screen->textView()->text(), "abcdef");
}

TEST_F(CommentReplyTest, OnlyAnswersOfFiveCharactersOrMoreAreSent) {
    struct Case {
        const char* typed;
        bool sent;
    };
    const Case cases[] = {
        {"1234", false}, {"12345", true},   {"     ", true},     {"😀😀a", true},
        {"😀😀", false},   {"ab\ncd", false}, {"abc\r\nde", true}, {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const int before = peer.count("/comment/reply.do");
        replied.clear();
        KQCommentReplyVC* screen = open();
        ASSERT_NE(screen, nullptr);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.typed));
        screen->textView()->setFocus();
        screen->textView()->paste();
        const QString answer = CommentReply::oneParagraph(QString::fromUtf8(c.typed));
        send(screen);
        finish();
        if (c.sent) {
            ASSERT_EQ(peer.count("/comment/reply.do"), before + 1);
            EXPECT_EQ(last().field("comment_id"), "30001");
            EXPECT_EQ(last().field("content"), answer);
            EXPECT_TRUE(Toast::visibleTexts().contains("回复成功"));
            ASSERT_EQ(replied.size(), 1);
            EXPECT_EQ(replied.first(), std::pair(QString("30001"), answer));
            EXPECT_EQ(top(), root);
        } else {
            EXPECT_EQ(peer.count("/comment/reply.do"), before);
            EXPECT_TRUE(Toast::visibleTexts().contains("评论不少于5个字"));
            EXPECT_TRUE(replied.isEmpty());
            EXPECT_EQ(top(), screen) << "the owner's text stays to be completed";
            EXPECT_EQ(screen->textView()->text(), answer);
            pop();
        }
        Clock::advance(2 * Toast::durationMs);
    }
}

TEST_F(CommentReplyTest, BackSendsNothing) {
    KQCommentReplyVC* screen = open();
    ASSERT_NE(screen, nullptr);
    typeInto(screen->textView(), "hello world");
    QTest::mouseClick(screen->naviBar()->left0, Qt::LeftButton);
    finish();
    EXPECT_EQ(top(), root);
    EXPECT_TRUE(replied.isEmpty());
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
    EXPECT_EQ(peer.requests().size(), 0);
}

TEST_F(CommentReplyTest, TheCommentIdSurvivesOtherRequestsWhileTheOwnerTypes) {
    KQCommentReplyVC* screen = open();
    ASSERT_NE(screen, nullptr);
    // Another screen's request meanwhile clears the shared parameter bag.
    KQProject& bag = KQProject::project();
    bag.order_id = QStringLiteral("999");
    KQHttpClientList::request_OrderListWith(bag, {});
    ASSERT_TRUE(settle());
    typeInto(screen->textView(), "thanks a lot");
    send(screen);
    finish();
    ASSERT_EQ(peer.count("/comment/reply.do"), 1);
    EXPECT_EQ(last().field("comment_id"), "30001");
    EXPECT_EQ(last().field("content"), "thanks a lot");
}

TEST_F(CommentReplyTest, ARefusalShowsTheServiceMessageAndMarksNothing) {
    peer.reply("/comment/reply.do", PeerReply::json(Envelope::failure("该评论已回复")));
    KQCommentReplyVC* screen = open();
    ASSERT_NE(screen, nullptr);
    typeInto(screen->textView(), "thanks a lot");
    send(screen);
    finish();
    EXPECT_EQ(peer.count("/comment/reply.do"), 1);
    EXPECT_TRUE(Toast::visibleTexts().contains("该评论已回复"));
    EXPECT_FALSE(Toast::visibleTexts().contains("回复成功"));
    EXPECT_TRUE(replied.isEmpty());
}

} // namespace
