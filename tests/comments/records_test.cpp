#include "comments/KQCommentModel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

TEST(CommentRecords, ACommentMapsEveryFieldItCarries) {
    const QJsonObject reply{
        {"status", "success"},
        {"data",
         QJsonObject{{"list", QJsonArray{QJsonObject{
                                  {"comment_id", "30001"},
                                  {"content", "很好"},
                                  {"score", "4"},
                                  {"posttime", "1463533932000"},
                                  {"order_id", 100004},
                                  {"replied", true},
                                  {"unknown", "ignored"},
                                  {"buyer", QJsonObject{{"uid", "88"}, {"nickname", "alice"}}},
                                  {"item", QJsonObject{{"item_id", "9"},
                                                       {"spec_key", "颜色=红"},
                                                       {"name", "T恤"},
                                                       {"img", "http://img/1.jpg"},
                                                       {"price", 12.5},
                                                       {"change_price", "11"},
                                                       {"quantity", 2},
                                                       {"discount_amount", 1.5},
                                                       {"amount", 23.5},
                                                       {"coupon", QJsonObject{{"item_id", "9"},
                                                                              {"name", "满减"},
                                                                              {"over", 20},
                                                                              {"money", 3}}},
                                                       {"rights_id", "r1"},
                                                       {"rights_status", "none"}}},
                                  {"reply", QJsonObject{{"reply_id", "R30001"},
                                                        {"content", "谢谢"},
                                                        {"Date", qint64(1463543932000)}}}}}}}}};
    const QList<KQCommentModel> page = CommentPayload::commentPage(reply);
    ASSERT_EQ(page.size(), 1);
    const KQCommentModel& c = page.first();
    EXPECT_EQ(c.comment_id, "30001");
    EXPECT_EQ(c.content, "很好");
    EXPECT_EQ(c.score, 4);
    EXPECT_EQ(c.posttime, 1463533932000);
    EXPECT_EQ(c.order_id, "100004");
    EXPECT_TRUE(c.replied);
    EXPECT_EQ(c.buyer.uid, 88);
    EXPECT_EQ(c.buyer.nickname, "alice");
    EXPECT_EQ(c.item.spec_key, "颜色=红");
    EXPECT_EQ(c.item.change_price, 11);
    EXPECT_EQ(c.item.quantity, 2);
    EXPECT_EQ(c.item.amount, 23.5);
    EXPECT_EQ(c.item.coupon.name, "满减");
    EXPECT_EQ(c.item.coupon.over, 20);
    EXPECT_EQ(c.item.rights_status, "none");
    EXPECT_EQ(c.reply.reply_id, "R30001");
    EXPECT_EQ(c.reply.content, "谢谢");
    EXPECT_EQ(c.reply.Date, 1463543932000);
}

TEST(CommentRecords, MissingOrNullValuesReadAsEmpty) {
    const QJsonObject reply{
        {"data", QJsonObject{{"list", QJsonArray{QJsonObject{{"comment_id", "1"},
                                                             {"reply", QJsonValue::Null},
                                                             {"buyer", QJsonValue::Null},
                                                             {"score", QJsonValue::Null}}}}}}};
    const KQCommentModel c = CommentPayload::commentPage(reply).value(0);
    EXPECT_EQ(c.comment_id, "1");
    EXPECT_FALSE(c.replied);
    EXPECT_EQ(c.score, 0);
    EXPECT_TRUE(c.reply.content.isEmpty());
    EXPECT_TRUE(c.buyer.nickname.isEmpty());
    EXPECT_TRUE(CommentPayload::commentPage(QJsonObject{{"data", QJsonObject{}}}).isEmpty());
}

TEST(CommentRecords, StarsAreTheWholeScoreBetweenZeroAndFive) {
    struct Case {
        QJsonValue score;
        int stars;
    };
    for (const Case& c :
         {Case{5, 5}, Case{0, 0}, Case{3.9, 3}, Case{"4", 4}, Case{-2, 0}, Case{9, 5},
          Case{1e300, 5}, Case{-1e300, 0}, Case{"nan", 0}, Case{"inf", 5}}) {
        KQCommentModel comment;
        RecordMapper::assign(comment, QJsonObject{{"score", c.score}});
        EXPECT_EQ(comment.stars(), c.stars) << c.score.toVariant().toString().toStdString();
    }
}

} // namespace
