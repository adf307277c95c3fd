#include "comments/KQCommentReplyVC.h"

#include "app/RCNavigationbar.h"
#include "comments/CommentReply.h"
#include "platform/Toast.h"
#include "ui/Style.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>

namespace {
constexpr int kAreaTop = 84;
constexpr int kAreaHeight = 140;
constexpr int kTextSide = 10;
const QColor kScreenGrey(238, 238, 238);
} // namespace

KQReplyTextView::KQReplyTextView(QWidget* parent) : KQTextView(parent) {
    setObjectName(QStringLiteral("textView"));
}

void KQReplyTextView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        clearFocus();
        event->accept();
        return;
    }
    KQTextView::keyPressEvent(event);
}

void KQReplyTextView::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        insertPlainText(CommentReply::oneParagraph(source->text()));
    }
}

KQCommentReplyVC::KQCommentReplyVC(const QString& text, DoneBlock doneBlock)
    : initialText_(text), doneBlock_(std::move(doneBlock)) {
    setObjectName(QStringLiteral("KQCommentReplyVC"));
}

KQCommentReplyVC* KQCommentReplyVC::commentReplyVCWithtextValue(const QString& text,
                                                                DoneBlock doneBlock) {
    return new KQCommentReplyVC(text, std::move(doneBlock));
}

KQReplyTextView* KQCommentReplyVC::textView() {
    if (!textView_) {
        textArea_ = new QWidget(this);
        textArea_->setObjectName(QStringLiteral("textArea"));
        textArea_->setAttribute(Qt::WA_StyledBackground);
        textArea_->setStyleSheet(QStringLiteral("background: white;"));
        textView_ = new KQReplyTextView(textArea_);
        textView_->setFont(Style::systemFont(14));
        textView_->setFrameShape(QFrame::NoFrame);
        textView_->setTextColor(Style::darkText());
        textView_->setPlaceholder(QStringLiteral("请输入您的回复信息,不少于5个字"));
        textView_->setText(initialText_);
    }
    return textView_;
}

void KQCommentReplyVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    QPalette p = palette();
    p.setColor(QPalette::Window, kScreenGrey);
    setPalette(p);
    textView();
    textArea_->show();
    resizeEvent(nullptr);
}

void KQCommentReplyVC::viewWillAppear() {
    RCNavigationbar* bar = setUpNaviBar(QStringLiteral("订单回复"));
    RCNavigationbar::setTextAction(bar->right0, QStringLiteral("发送"), [this] { sendClick(); });
}

void KQCommentReplyVC::resizeEvent(QResizeEvent* event) {
    if (event) {
        KQSBaesVC::resizeEvent(event);
    }
    if (!textArea_) {
        return;
    }
    textArea_->setGeometry(0, kAreaTop, width(), kAreaHeight);
    textView_->setGeometry(kTextSide, 0, width() - 2 * kTextSide, kAreaHeight);
}

void KQCommentReplyVC::sendClick() {
    const QString answer = CommentReply::oneParagraph(textView()->text());
    if (!CommentReply::isLongEnough(answer)) {
        Toast::showError(QStringLiteral("评论不少于5个字"));
        return;
    }
    if (doneBlock_) {
        doneBlock_(answer);
    }
    endEditing();
    KQSBaesVC::back();
}

void KQCommentReplyVC::back() {
    endEditing();
    KQSBaesVC::back();
}

void KQCommentReplyVC::endEditing() {
    if (textView_) {
        textView_->clearFocus();
    }
}
