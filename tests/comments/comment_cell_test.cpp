#include "comments/KQCommentCell.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A row as wide as a comment page on a 375-point screen.
constexpr int kRowWidth = 375 - 24;

KQCommentModel comment(double score, bool replied, const QString& text = QStringLiteral("好评"),
                       const QString& answer = QStringLiteral("感谢支持")) {
    KQCommentModel model;
    model.comment_id = "30001";
    model.content = text;
    model.score = score;
    model.order_id = "100004";
    model.buyer.nickname = "alice";
    model.replied = replied;
    if (replied) {
        model.reply.content = answer;
    }
    return model;
}

class CommentCellTest : public ::testing::Test {
protected:
    KQCommentCell* fill(const KQCommentModel& model) {
        cell->setCommentModel(model);
        cell->resize(kRowWidth, cell->cellHeight());
        cell->show();
        QCoreApplication::processEvents();
        return cell.get();
    }
    int shownStars() const {
        int shown = 0;
        for (QLabel* star : cell->stars) {
            shown += star->isVisibleTo(cell.get()) ? 1 : 0;
        }
        return shown;
    }

    std::unique_ptr<KQCommentCell> cell = std::make_unique<KQCommentCell>();
};

TEST_F(CommentCellTest, DrawsTheWholeScoreAsStarsAndNeverMoreThanFive) {
    fill(comment(5, false));
    EXPECT_EQ(shownStars(), 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(cell->stars[k]->geometry(), QRect(k * 13, 16, 8, 8)) << k;
    }
    // The same row reused for lower scores, then for scores out of range.
    struct Case {
        double score;
        int stars;
    };
    for (const Case& c : {Case{2, 2}, Case{0, 0}, Case{12, 5}, Case{-3, 0}, Case{4.7, 4}}) {
        fill(comment(c.score, false));
        EXPECT_EQ(shownStars(), c.stars) << c.score;
    }
}

TEST_F(CommentCellTest, AnAnsweredCommentShowsItsAnswerAndADeadReplyButton) {
    fill(comment(4, true, QStringLiteral("很好"), QStringLiteral("谢谢光临")));
    EXPECT_EQ(cell->nameL->text(), "alice");
    EXPECT_EQ(cell->nameL->textFormat(), Qt::PlainText);
    EXPECT_EQ(cell->content->text(), "很好");
    EXPECT_EQ(cell->orderIdL->text(), "订单号: 100004");
    EXPECT_EQ(cell->backContentLabel->toPlainText(), "掌柜回复: 谢谢光临");
    EXPECT_TRUE(cell->backContent->isVisible());
    EXPECT_EQ(cell->backContent->y(), cell->content->geometry().bottom() + 1 + 7);
    EXPECT_EQ(cell->orderIdL->y(), cell->backContent->geometry().bottom() + 1 + 20);
    EXPECT_EQ(cell->backL->text(), "已回复");
    EXPECT_TRUE(cell->backL->icon().isNull());
    QSignalSpy replies(cell.get(), &KQCommentCell::replyClicked);
    QTest::mouseClick(cell->backL, Qt::LeftButton);
    EXPECT_EQ(replies.count(), 0);

    fill(comment(4, false));
    EXPECT_FALSE(cell->backContent->isVisible());
    EXPECT_TRUE(cell->backL->text().isEmpty());
    EXPECT_FALSE(cell->backL->icon().isNull());
    EXPECT_EQ(cell->backL->accessibleName(), "回复");
    EXPECT_EQ(cell->orderIdL->y(), cell->content->geometry().bottom() + 1 + 20)
        << "without an answer the order number sits 20 points under the comment";
}

TEST_F(CommentCellTest, ARowIsAsHighAsItsParts) {
    // A comment that needs exactly two lines at the row's text width.
    const QFontMetrics metrics(Style::systemFont(15));
    const int textWidth = kRowWidth - 38;
    QString text;
    while (metrics.horizontalAdvance(text) < textWidth * 3 / 2) {
        text += QStringLiteral("好");
    }
    fill(comment(3, false, text));
    const int twoLines = cell->content->heightForWidth(textWidth);
    EXPECT_GT(twoLines, metrics.height() * 3 / 2);
    EXPECT_LT(twoLines, metrics.height() * 5 / 2);
    EXPECT_EQ(cell->content->height(), twoLines);
    EXPECT_EQ(cell->cellHeight(), 48 + 41 + twoLines + 0 + 13 + 85);
    EXPECT_EQ(KQCommentCell::cellHeight(cell->commentModel(), kRowWidth), cell->cellHeight());
}

TEST_F(CommentCellTest, EveryLineOfALongAnswerFitsInItsBubble) {
    for (int length = 1; length <= 240; length += 7) {
        const QString answer =
            QString(QStringLiteral("谢谢您的支持 welcome back ")).repeated(12).left(length);
        fill(comment(5, true, QStringLiteral("好"), answer));
        QTextEdit* label = cell->backContentLabel;
        SCOPED_TRACE(length);
        EXPECT_EQ(label->document()->textWidth(), label->width())
            << "the answer wraps at the width it was measured at";
        EXPECT_LE(label->document()->size().height(), label->height());
        EXPECT_TRUE(cell->backContent->rect().contains(label->geometry()));
        EXPECT_LE(cell->backContent->geometry().bottom(), cell->orderIdL->y());
        EXPECT_EQ(cell->backContent->height(), label->height() + 7 + 34);
    }
}

TEST_F(CommentCellTest, ButtonsReportTheSectionTheRowWasDrawnFor) {
    fill(comment(5, false));
    cell->setSection(3);
    QSignalSpy details(cell.get(), &KQCommentCell::orderDetailClicked);
    QSignalSpy replies(cell.get(), &KQCommentCell::replyClicked);
    QTest::mouseClick(cell->rightBtn, Qt::LeftButton);
    QTest::mouseClick(cell->backL, Qt::LeftButton);
    ASSERT_EQ(details.count(), 1);
    EXPECT_EQ(details.first().first().toInt(), 3);
    ASSERT_EQ(replies.count(), 1);
    EXPECT_EQ(replies.first().first().toInt(), 3 + KQCommentCell::kReplyTagOffset);
}

} // namespace
