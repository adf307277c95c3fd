#include "comments/KQCommentTableView.h"

#include "comments/CommentRows.h"
#include "ui/KQBaseTableView.h"

KQCommentTableView::KQCommentTableView(QWidget* parent)
    : QWidget(parent), tableView_(new KQBaseTableView(TableView::Style::Plain, this)),
      list_(new PagedList<KQCommentModel, QString>(tableView_, &getCommentListData,
                                                   &CommentPayload::commentPage)),
      rows_(new CommentRows(
          tableView_, [this]() -> const QList<KQCommentModel>& { return list_->records(); },
          this)) {
    setObjectName(QStringLiteral("commentPage"));
    tableView_->setObjectName(QStringLiteral("tableView"));
    rows_->orderDetail = [this](const QString& orderId) {
        if (delegate) {
            delegate->orderDetailClick(0, orderId);
        }
    };
    rows_->reply = [this](const QString& commentId) {
        if (delegate) {
            delegate->orderBackClick(commentId);
        }
    };
}

void KQCommentTableView::setReplied(const QString& replied) {
    replied_ = replied;
    list_->setQuery(replied);
}

KQRequest* KQCommentTableView::getCommentListData(const QString& replied, int start, int size,
                                                  ReplyBlock done) {
    KQProject& bag = KQProject::project();
    bag.order_id = QString();
    bag.replied = replied;
    bag.size = size;
    bag.start = start;
    return KQHttpClientList::request_CommentListWith(bag, std::move(done));
}

void KQCommentTableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tableView_->setGeometry(rect());
}
