#include "comments/KQCommentCell.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>
#include <qdrawutil.h>

namespace {

constexpr int kTopHeight = 48;
constexpr int kIconLeft = 20;
constexpr int kIconSize = 24;
constexpr int kNameGap = 12;
constexpr int kNameWidth = 100;
constexpr int kDetailRight = 18;
constexpr int kSide = 19;
constexpr int kStarHeight = 41;
constexpr int kStarSize = 8;
constexpr int kStarPitch = 13;
constexpr int kBubbleGap = 7;
constexpr int kAnswerInset = 16;
constexpr int kAnswerTop = 24;
constexpr int kBubbleExtra = kBubbleGap + 34;
constexpr int kOrderGap = 20;
constexpr int kOrderWidth = 180;
constexpr int kOrderHeight = 13;
constexpr int kReplyRight = 17;
constexpr int kReplyHeight = 30;
constexpr int kBottom = 25 + 20 + 40;
constexpr int kTallest = 1 << 20;
const QColor kMidGrey(102, 102, 102);
// The bubble picture's corners, kept unstretched; the arrow sits in the top-left one.
constexpr QMargins kBubbleCorners(28, 12, 8, 8);

QString answerPrefix() {
    return QStringLiteral("掌柜回复: ");
}

// Every measure of a row, from its comment and its width. The row lays itself out with it
// and the list sizes the row with it, so both always agree.
struct RowLayout {
    int textWidth = 0;
    int textHeight = 0;
    int answerWidth = 0;
    int answerHeight = 0;
    int bubbleTop = 0;
    int bubbleHeight = 0;
    int orderTop = 0;
    int height = 0;

    RowLayout(const KQCommentModel& model, int width) {
        const int inner = qMax(1, width - 2 * kSide);
        textWidth = inner;
        textHeight =
            QFontMetrics(Style::systemFont(15))
                .boundingRect(QRect(0, 0, inner, kTallest),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, model.content)
                .height();
        const int textTop = kTopHeight + kStarHeight;
        bubbleTop = textTop + textHeight + kBubbleGap;
        answerWidth = qMax(1, inner - 2 * kAnswerInset);
        if (model.replied) {
            QTextDocument document;
            KQCommentCell::fillAnswer(&document, model.reply.content);
            document.setTextWidth(answerWidth);
            answerHeight = int(std::ceil(document.size().height()));
            bubbleHeight = answerHeight + kBubbleExtra;
            orderTop = bubbleTop + bubbleHeight + kOrderGap;
        } else {
            orderTop = textTop + textHeight + kOrderGap;
        }
        height = textTop + textHeight + bubbleHeight + kOrderHeight + kBottom;
    }
};

QLabel* textLabel(QWidget* parent, const QString& name, int points, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Style::systemFont(points));
    label->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(Style::rgbText(colour)));
    return label;
}

QLabel* picture(QWidget* parent, const QString& name, QSize size) {
    auto* label = new QLabel(parent);
    label->setPixmap(Assets::image(name, size));
    label->resize(size);
    return label;
}

QWidget* hairline(QWidget* parent) {
    auto* line = new QWidget(parent);
    line->setAttribute(Qt::WA_StyledBackground);
    line->setStyleSheet(QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
    return line;
}

QPushButton* detailButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("订单详情"), parent);
    button->setObjectName(QStringLiteral("rightBtn"));
    button->setFont(Style::systemFont(13));
    button->setIcon(Assets::icon(QStringLiteral("Setting_iconfont-tiaozhuan")));
    button->setIconSize(QSize(14, 14));
    // The arrow follows the title.
    button->setLayoutDirection(Qt::RightToLeft);
    button->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; color: %1; }")
            .arg(Style::rgbText(Style::greyText())));
    button->adjustSize();
    return button;
}

QPushButton* replyButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("backL"));
    button->setFont(Style::systemFont(13));
    button->setIconSize(QSize(22, 22));
    button->setStyleSheet(QStringLiteral("QPushButton, QPushButton:disabled { border: none;"
                                         " background: transparent; color: %1; }")
                              .arg(Style::rgbText(kMidGrey)));
    return button;
}

QTextEdit* answerView(QWidget* parent) {
    auto* view = new QTextEdit(parent);
    view->setObjectName(QStringLiteral("backContentLabel"));
    view->setReadOnly(true);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setLineWrapMode(QTextEdit::WidgetWidth);
    view->setFocusPolicy(Qt::NoFocus);
    view->setTextInteractionFlags(Qt::NoTextInteraction);
    // Touches go through to the list, which scrolls and selects as on any other part of a row.
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; border: none; }"));
    view->viewport()->setAutoFillBackground(false);
    return view;
}

} // namespace

KQCommentAnswerBubble::KQCommentAnswerBubble(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("backContent"));
}

void KQCommentAnswerBubble::paintEvent(QPaintEvent*) {
    static const QPixmap bubble = Assets::image(QStringLiteral("orderManager_comment"));
    QPainter painter(this);
    qDrawBorderPixmap(&painter, rect(), kBubbleCorners, bubble);
}

KQCommentCell::KQCommentCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent), topView(new QWidget(this)),
      iconImageV(
          picture(topView, QStringLiteral("orderManager_icon"), QSize(kIconSize, kIconSize))),
      nameL(textLabel(topView, QStringLiteral("nameL"), 13, kMidGrey)),
      rightBtn(detailButton(topView)), starView(new QWidget(this)),
      content(textLabel(this, QStringLiteral("content"), 15, Style::darkText())),
      backContent(new KQCommentAnswerBubble(this)), backContentLabel(answerView(backContent)),
      orderIdL(textLabel(this, QStringLiteral("orderIdL"), 13, kMidGrey)),
      backL(replyButton(this)) {
    setSelectionStyle(SelectionStyle::None);
    topView->setObjectName(QStringLiteral("topView"));
    starView->setObjectName(QStringLiteral("starView"));
    hairline(topView)->setGeometry(0, kTopHeight - 1, 4000, 1);
    content->setWordWrap(true);
    content->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int k = 0; k < KQCommentModel::kMostStars; ++k) {
        QLabel* star =
            picture(starView, QStringLiteral("orderManager_star"), QSize(kStarSize, kStarSize));
        star->move(k * kStarPitch, (kStarHeight - kStarSize) / 2);
        stars.append(star);
    }
    connect(rightBtn, &QPushButton::clicked, this,
            [this] { emit orderDetailClicked(rightBtn->property("tag").toInt()); });
    connect(backL, &QPushButton::clicked, this,
            [this] { emit replyClicked(backL->property("tag").toInt()); });
}

void KQCommentCell::setSection(int section) {
    rightBtn->setProperty("tag", section);
    backL->setProperty("tag", section + kReplyTagOffset);
}

void KQCommentCell::setCommentModel(const KQCommentModel& model) {
    commentModel_ = model;
    nameL->setText(model.buyer.nickname);
    content->setText(model.content);
    orderIdL->setText(QStringLiteral("订单号: %1").arg(model.order_id));
    fillStars();
    fillReplyButton();
    if (model.replied) {
        fillAnswer(backContentLabel->document(), model.reply.content);
    } else {
        backContentLabel->clear();
    }
    backContentLabel->setAccessibleName(backContentLabel->toPlainText());
    backContent->setVisible(model.replied);
    layoutRow();
}

void KQCommentCell::fillStars() {
    const int shown = commentModel_.stars();
    for (int k = 0; k < stars.size(); ++k) {
        stars[k]->setVisible(k < shown);
    }
    starView->setAccessibleName(QStringLiteral("%1星").arg(shown));
}

void KQCommentCell::fillReplyButton() {
    if (commentModel_.replied) {
        backL->setIcon(QIcon());
        backL->setText(QStringLiteral("已回复"));
        backL->setAccessibleName(QStringLiteral("已回复"));
        backL->setEnabled(false);
    } else {
        backL->setText(QString());
        backL->setIcon(Assets::icon(QStringLiteral("orderManager_huifu")));
        backL->setAccessibleName(QStringLiteral("回复"));
        backL->setEnabled(true);
    }
}

void KQCommentCell::fillAnswer(QTextDocument* document, const QString& answer) {
    document->clear();
    document->setDocumentMargin(0);
    document->setDefaultFont(Style::systemFont(15));
    QTextCharFormat prefix;
    QFont bold = Style::systemFont(15);
    bold.setBold(true);
    prefix.setFont(bold);
    prefix.setForeground(Style::selectedRed());
    QTextCharFormat body;
    body.setFont(Style::systemFont(15));
    body.setForeground(kMidGrey);
    QTextCursor cursor(document);
    cursor.insertText(answerPrefix(), prefix);
    cursor.insertText(answer, body);
}

int KQCommentCell::cellHeight() const {
    return RowLayout(commentModel_, width()).height;
}

int KQCommentCell::cellHeight(const KQCommentModel& model, int width) {
    return RowLayout(model, width).height;
}

void KQCommentCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    layoutRow();
}

void KQCommentCell::layoutRow() {
    const int w = width();
    const RowLayout row(commentModel_, w);
    topView->setGeometry(0, 0, w, kTopHeight);
    iconImageV->move(kIconLeft, (kTopHeight - kIconSize) / 2);
    nameL->setGeometry(kIconLeft + kIconSize + kNameGap, 0, kNameWidth, kTopHeight);
    rightBtn->move(w - kDetailRight - rightBtn->width(), (kTopHeight - rightBtn->height()) / 2);
    starView->setGeometry(kSide, kTopHeight, row.textWidth, kStarHeight);
    content->setGeometry(kSide, kTopHeight + kStarHeight, row.textWidth, row.textHeight);
    backContent->setGeometry(kSide, row.bubbleTop, row.textWidth, row.bubbleHeight);
    backContentLabel->setGeometry(kAnswerInset, kAnswerTop, row.answerWidth, row.answerHeight);
    orderIdL->setGeometry(kSide, row.orderTop, kOrderWidth, kOrderHeight);
    const int replyWidth = commentModel_.replied
                               ? backL->fontMetrics().horizontalAdvance(backL->text()) + 8
                               : kReplyHeight;
    backL->setGeometry(w - kReplyRight - replyWidth,
                       row.orderTop + kOrderHeight / 2 - kReplyHeight / 2, replyWidth,
                       kReplyHeight);
}
