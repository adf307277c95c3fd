#pragma once

#include "app/KQSBaesVC.h"
#include "comments/KQCommentTableView.h"

#include <QList>

class KQSBottumsView;
class PagingScrollView;

// "评论列表": all, answered and unanswered comments on three pages under a tab strip.
class KQCommentListVC : public KQSBaesVC, public KQCommentDelegate {
    Q_OBJECT
public:
    explicit KQCommentListVC(QWidget* parent = nullptr);

    KQSBottumsView* topBarView() const { return topBarView_; }
    PagingScrollView* tabScrollView() const { return tabScrollView_; }
    const QList<KQCommentTableView*>& pages() const { return pages_; }
    KQCommentTableView* contentView() const { return pages_.isEmpty() ? nullptr : pages_.last(); }

    void orderDetailClick(int index, const QString& orderId) override;
    void orderBackClick(const QString& commentId) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildPages();
    // After an answer every page starts again from its first page, and the strip and the
    // pages both show "全部".
    void reloadPages();

    KQSBottumsView* topBarView_ = nullptr;
    PagingScrollView* tabScrollView_ = nullptr;
    QList<KQCommentTableView*> pages_;
};
