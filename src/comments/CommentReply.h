#pragma once

#include <QString>
#include <functional>

class KQSBaesVC;

// Answering a buyer's comment, the same from the comment list and from the comment search.
namespace CommentReply {

// The shortest answer the shop may send, in UTF-16 code units (spaces count).
constexpr int kShortest = 5;

// The answer as one paragraph: every line and paragraph break removed.
QString oneParagraph(const QString& text);
bool isLongEnough(const QString& answer);

using Replied = std::function<void(const QString& commentId, const QString& answer)>;

// Opens "订单回复" over `opener` for the comment. The comment id stays with this flow and
// goes into the parameter bag only when the owner sends, together with the answer. After a
// successful reply "回复成功" is shown and `replied` runs on the opener.
void start(KQSBaesVC* opener, const QString& commentId, Replied replied);

} // namespace CommentReply
