#include "comments/CommentRows.h"

#include "comments/KQCommentCell.h"
#include "ui/Style.h"

CommentRows::CommentRows(TableView* table, Records records, QObject* parent)
    : QObject(parent), records_(std::move(records)) {
    table->setBackgroundColor(Style::background());
    table->setSeparatorsShown(false);
    table->setShowsVerticalScrollIndicator(false);
    table->setDataSource(this);
}

const KQCommentModel* CommentRows::commentAt(int section) const {
    const QList<KQCommentModel>& comments = records_();
    return section >= 0 && section < comments.size() ? &comments.at(section) : nullptr;
}

void CommentRows::detailTouched(int tag) {
    if (const KQCommentModel* comment = commentAt(tag); comment && orderDetail) {
        orderDetail(comment->order_id);
    }
}

void CommentRows::replyTouched(int tag) {
    const KQCommentModel* comment = commentAt(tag - KQCommentCell::kReplyTagOffset);
    if (comment && !comment->replied && reply) {
        reply(comment->comment_id);
    }
}

int CommentRows::numberOfSections(TableView*) {
    return int(records_().size());
}

int CommentRows::numberOfRows(TableView*, int) {
    return 1;
}

TableCell* CommentRows::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = static_cast<KQCommentCell*>(
        table->dequeueReusableCell(QString::fromLatin1(KQCommentCell::kIdentifier)));
    if (!cell) {
        cell = new KQCommentCell;
        connect(cell, &KQCommentCell::orderDetailClicked, this, &CommentRows::detailTouched);
        connect(cell, &KQCommentCell::replyClicked, this, &CommentRows::replyTouched);
    }
    cell->setCommentModel(records_().at(indexPath.section));
    cell->setSection(indexPath.section);
    return cell;
}

int CommentRows::heightForRow(TableView* table, IndexPath indexPath) {
    return KQCommentCell::cellHeight(records_().at(indexPath.section), table->viewport()->width());
}

// The gap shows the table's own grey background.
int CommentRows::heightForHeader(TableView*, int) {
    return kGapHeight;
}
