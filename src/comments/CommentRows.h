#pragma once

#include "comments/KQCommentModel.h"
#include "platform/TableView.h"

#include <QList>
#include <QObject>
#include <functional>

// The rows of a comment table, shared by the comment list pages and the comment search: one
// section per comment with one row, a 12-point grey gap above each.
class CommentRows : public QObject, public TableDataSource {
    Q_OBJECT
public:
    static constexpr int kGapHeight = 12;
    using Records = std::function<const QList<KQCommentModel>&()>;

    // Styles the table and becomes its data source; the comments are read from `records`.
    CommentRows(TableView* table, Records records, QObject* parent = nullptr);

    // "订单详情" of a row: the comment's order.
    std::function<void(const QString& orderId)> orderDetail;
    // The reply button of an unanswered row: the comment.
    std::function<void(const QString& commentId)> reply;

    int numberOfSections(TableView* table) override;
    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;
    int heightForHeader(TableView* table, int section) override;

private:
    // The comment a row's button belongs to, or nullptr when its tag no longer names one.
    const KQCommentModel* commentAt(int section) const;
    void detailTouched(int tag);
    void replyTouched(int tag);

    Records records_;
};
