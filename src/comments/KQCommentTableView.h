#pragma once

#include "comments/KQCommentModel.h"
#include "ui/PagedList.h"

#include <QWidget>

class CommentRows;
class KQBaseTableView;

// What a comment page reports to its screen; both operations are optional.
class KQCommentDelegate {
public:
    virtual ~KQCommentDelegate() = default;
    virtual void orderDetailClick(int /*index*/, const QString& /*orderId*/) {}
    virtual void orderBackClick(const QString& /*commentId*/) {}
};

// One page of the comment list: the comments of one answered filter, paged.
class KQCommentTableView : public QWidget {
    Q_OBJECT
public:
    explicit KQCommentTableView(QWidget* parent = nullptr);

    // Stores the filter ("", "true" or "false") and loads its first page at once.
    void setReplied(const QString& replied);
    QString replied() const { return replied_; }

    KQBaseTableView* tableView() const { return tableView_; }
    PagedList<KQCommentModel, QString>* list() const { return list_; }
    const QList<KQCommentModel>& dataArray() const { return list_->records(); }

    KQCommentDelegate* delegate = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static KQRequest* getCommentListData(const QString& replied, int start, int size,
                                         ReplyBlock done);

    KQBaseTableView* tableView_;
    PagedList<KQCommentModel, QString>* list_;
    CommentRows* rows_;
    QString replied_;
};
