#include "comments/CommentReply.h"

#include "app/KQSBaesVC.h"
#include "app/KQSNavigtionVC.h"
#include "comments/KQCommentReplyVC.h"
#include "platform/Toast.h"
#include "service/KQHttpClientList.h"

#include <QPointer>
#include <QRegularExpression>

namespace CommentReply {

namespace {

void send(KQSBaesVC* opener, const QString& commentId, const QString& answer,
          const Replied& replied) {
    KQProject& bag = KQProject::project();
    bag.comment_id = commentId;
    bag.content = answer;
    KQHttpClientList::request_CommentReplyWith(bag, [commentId, answer,
                                                     replied](const QJsonObject* reply,
                                                              const ServiceError*) {
        if (!reply) {
            return;
        }
        Toast::showSuccess(QStringLiteral("回复成功"));
        if (replied) {
            replied(commentId, answer);
        }
    })->guardedBy(opener);
}

} // namespace

QString oneParagraph(const QString& text) {
    QString paragraph = text;
    paragraph.remove(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]")));
    return paragraph;
}

bool isLongEnough(const QString& answer) {
    return answer.size() >= kShortest;
}

void start(KQSBaesVC* opener, const QString& commentId, Replied replied) {
    KQSNavigtionVC* stack = opener ? opener->navigationController() : nullptr;
    if (!stack) {
        return;
    }
    QPointer<KQSBaesVC> guard(opener);
    stack->pushViewController(KQCommentReplyVC::commentReplyVCWithtextValue(
        QString(), [guard, commentId, replied = std::move(replied)](const QString& answer) {
            if (guard) {
                send(guard, commentId, answer, replied);
            }
        }));
}

} // namespace CommentReply
