#include "comments/KQCommentListVC.h"

#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "comments/CommentReply.h"
#include "orders/OrderScreens.h"
#include "platform/PagingScrollView.h"
#include "ui/KQSBottumsView.h"
#include "ui/Style.h"

namespace {
constexpr int kSide = 12;

const QStringList& pageFilters() {
    static const QStringList filters{QString(), QStringLiteral("true"), QStringLiteral("false")};
    return filters;
}
} // namespace

KQCommentListVC::KQCommentListVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQCommentListVC"));
}

void KQCommentListVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    topBarView_ = new KQSBottumsView(this);
    topBarView_->setObjectName(QStringLiteral("topBarView"));
    topBarView_->setAttribute(Qt::WA_StyledBackground);
    topBarView_->setStyleSheet(QStringLiteral("KQSBottumsView { background: white; }"));
    topBarView_->setTitles(
        {QStringLiteral("全部"), QStringLiteral("已回"), QStringLiteral("未回")});
    topBarView_->indexBlock = [this](int index) { tabScrollView_->scrollToPage(index, true); };
    tabScrollView_ = new PagingScrollView(this);
    tabScrollView_->setObjectName(QStringLiteral("tabScrollView"));
    QPalette p = tabScrollView_->palette();
    p.setColor(QPalette::Window, Style::background());
    tabScrollView_->setPalette(p);
    connect(tabScrollView_, &PagingScrollView::pageSettled, topBarView_,
            &KQSBottumsView::scrollBtnChangeWithIndex);
    buildPages();
    topBarView_->show();
    tabScrollView_->show();
    resizeEvent(nullptr);
}

void KQCommentListVC::buildPages() {
    for (const QString& filter : pageFilters()) {
        auto* page = new KQCommentTableView;
        page->delegate = this;
        tabScrollView_->addPage(page);
        pages_.append(page);
        page->setReplied(filter);
    }
}

void KQCommentListVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("评论列表"));
}

void KQCommentListVC::resizeEvent(QResizeEvent* event) {
    if (event) {
        KQSBaesVC::resizeEvent(event);
    }
    if (!topBarView_) {
        return;
    }
    topBarView_->setGeometry(0, kNaviBarHeight, width(), KQSBottumsView::kHeight);
    const int top = kNaviBarHeight + KQSBottumsView::kHeight;
    tabScrollView_->setGeometry(kSide, top, width() - 2 * kSide, height() - top);
}

void KQCommentListVC::orderDetailClick(int, const QString& orderId) {
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->pushViewController(OrderScreens::orderDetail(orderId));
    }
}

void KQCommentListVC::orderBackClick(const QString& commentId) {
    CommentReply::start(this, commentId, [this](const QString&, const QString&) { reloadPages(); });
}

void KQCommentListVC::reloadPages() {
    for (int i = 0; i < pages_.size(); ++i) {
        pages_[i]->setReplied(pageFilters().at(i));
    }
    tabScrollView_->scrollToPage(0, false);
    topBarView_->scrollBtnChangeWithIndex(0);
}
