#pragma once

#include "service/Record.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The records of the comment-list payload. Member names are the service's JSON keys.

struct KQCommentCouponModel {
    QString item_id;
    QString name;
    double over = 0;
    double money = 0;
    static const RecordFields<KQCommentCouponModel>& fields();
};

// The goods item a comment is about; carried, not shown.
struct KQCommentOrderItemModel {
    QString item_id;
    QString spec_key;
    QString name;
    QString img;
    double price = 0;
    double change_price = 0;
    int quantity = 0;
    double discount_amount = 0;
    double amount = 0;
    KQCommentCouponModel coupon;
    QString rights_id;
    QString rights_status;
    static const RecordFields<KQCommentOrderItemModel>& fields();
};

struct KQCommentBuyerModel {
    qint64 uid = 0;
    QString nickname;
    static const RecordFields<KQCommentBuyerModel>& fields();
};

// The shop's answer to a comment.
struct KQCommentReplyrModel {
    QString reply_id;
    QString content;
    qint64 Date = 0;
    static const RecordFields<KQCommentReplyrModel>& fields();
};

struct KQCommentModel {
    static constexpr int kMostStars = 5;

    QString comment_id;
    QString content;
    double score = 0;
    qint64 posttime = 0;
    QString order_id;
    bool replied = false;
    KQCommentBuyerModel buyer;
    KQCommentOrderItemModel item;
    KQCommentReplyrModel reply;
    static const RecordFields<KQCommentModel>& fields();

    // The whole stars of the score, 0 to 5 whatever the service sent.
    int stars() const;
    // What the list shows once the shop answered with `text`.
    void markReplied(const QString& text);
};

namespace CommentPayload {
// "data" -> "list" of a successful comment-list reply; an absent list gives no comments.
QList<KQCommentModel> commentPage(const QJsonObject& reply);
} // namespace CommentPayload
