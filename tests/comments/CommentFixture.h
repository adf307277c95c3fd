#pragma once

#include "orders/OrderFixture.h"

// Builders of comment-list payloads shaped as the shop service sends them.
namespace CommentPayloads {

inline QJsonObject comment(const QString& id, double score = 5, const QString& answer = {},
                           const QString& text = QStringLiteral("质量很好，物流也很快！")) {
    const bool replied = !answer.isNull();
    return QJsonObject{{"comment_id", id},
                       {"content", text},
                       {"score", score},
                       {"posttime", qint64(1463533932000)},
                       {"order_id", "1000" + id},
                       {"replied", replied},
                       {"buyer", QJsonObject{{"uid", 7}, {"nickname", "buyer" + id}}},
                       {"item", QJsonObject{{"item_id", "9"}, {"name", "T恤"}, {"price", 12.5}}},
                       {"reply", replied ? QJsonObject{{"reply_id", "R" + id},
                                                       {"content", answer},
                                                       {"Date", qint64(1463543932000)}}
                                         : QJsonObject()}};
}

inline QByteArray page(const QJsonArray& comments) {
    return Envelope::page(comments);
}

} // namespace CommentPayloads

// The comment screens on the shared screen fixture.
class CommentScreenFixture : public ScreenFixture {
protected:
    // Touches the field, which takes the keyboard, and types.
    static void typeInto(QWidget* field, const QString& text) {
        field->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
        QTest::keyClicks(field, text);
    }
};
