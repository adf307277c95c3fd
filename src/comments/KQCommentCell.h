#pragma once

#include "comments/KQCommentModel.h"
#include "platform/TableCell.h"

#include <QList>

class QLabel;
class QPushButton;
class QTextEdit;
class QTextDocument;

// The shop's answer inside a comment row: a speech bubble behind the answer text.
class KQCommentAnswerBubble : public QWidget {
    Q_OBJECT
public:
    explicit KQCommentAnswerBubble(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// One buyer comment: buyer, stars, text, the shop's answer, order number, "订单详情" and the
// reply button. The two buttons carry the row's section in their "tag" property (the reply
// button section + 150), so the list can tell which comment they belong to.
class KQCommentCell : public TableCell {
    Q_OBJECT
public:
    static constexpr const char* kIdentifier = "CommentCell";
    static constexpr int kReplyTagOffset = 150;

    explicit KQCommentCell(QWidget* parent = nullptr);

    void setCommentModel(const KQCommentModel& model);
    const KQCommentModel& commentModel() const { return commentModel_; }
    // Tags both buttons with the section this row shows.
    void setSection(int section);

    // The height of this row at its current width.
    int cellHeight() const;
    // The height of a row of that width filled with the comment; measured with the very
    // layout the row draws with, so no line of a long answer is cut off.
    static int cellHeight(const KQCommentModel& model, int width);

    // Fills a document with the answer text as the bubble shows it.
    static void fillAnswer(QTextDocument* document, const QString& answer);

    QWidget* topView;
    QLabel* iconImageV;
    QLabel* nameL;
    QPushButton* rightBtn;
    QWidget* starView;
    QList<QLabel*> stars;
    QLabel* content;
    KQCommentAnswerBubble* backContent;
    QTextEdit* backContentLabel;
    QLabel* orderIdL;
    QPushButton* backL;

signals:
    // "订单详情" was touched; tag is the section the row was drawn for.
    void orderDetailClicked(int tag);
    // The reply button was touched; tag is that section + 150.
    void replyClicked(int tag);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillStars();
    void fillReplyButton();
    void layoutRow();

    KQCommentModel commentModel_;
};
