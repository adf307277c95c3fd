#include "stats/KQSDataStatisticsVC.h"

#include "app/RCNavigationbar.h"
#include "platform/PagingScrollView.h"
#include "stats/KQSDataBottomBar.h"
#include "stats/KQSDataOrderView.h"
#include "stats/KQSRevenueView.h"
#include "stats/KQSVisitorsView.h"
#include "stats/StatsPeriod.h"
#include "ui/KQSBottumsView.h"

KQSDataStatisticsVC::KQSDataStatisticsVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQSDataStatisticsVC"));
}

QString KQSDataStatisticsVC::kindTitle(int kind) {
    const QString titles[] = {QStringLiteral("访客统计"), QStringLiteral("订单统计"),
                              QStringLiteral("营收统计")};
    return kind >= 0 && kind < 3 ? titles[kind] : QString();
}

void KQSDataStatisticsVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    createUI();
    createContent();
    layoutContent();
}

void KQSDataStatisticsVC::viewWillAppear() {
    setUpNaviBar(kindTitle(kind_));
}

void KQSDataStatisticsVC::createUI() {
    topBar_ = new KQSBottumsView(this);
    topBar_->setObjectName(QStringLiteral("topBar"));
    topBar_->setAutoFillBackground(true);
    QPalette white = topBar_->palette();
    white.setColor(QPalette::Window, Qt::white);
    topBar_->setPalette(white);
    topBar_->setTitles(StatsPeriod::titles());
    topBar_->indexBlock = [this](int period) { periodChosen(period); };
    bottomBar_ = new KQSDataBottomBar(this);
    bottomBar_->index = [this](int kind) { kindChosen(kind); };
    contentScrollView_ = new PagingScrollView(this);
    contentScrollView_->setObjectName(QStringLiteral("contentScrollView"));
    connect(contentScrollView_, &PagingScrollView::pageSettled, this,
            &KQSDataStatisticsVC::pageSettled);
}

void KQSDataStatisticsVC::createContent() {
    dataViews_ = {new KQSVisitorsView, new KQSDataOrderView, new KQSRevenueView};
    for (KQSDataBeasView* view : dataViews_) {
        contentScrollView_->addPage(view);
        view->setPage(0);
    }
}

void KQSDataStatisticsVC::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    layoutContent();
}

void KQSDataStatisticsVC::layoutContent() {
    if (!topBar_) {
        return;
    }
    topBar_->setGeometry(0, kNaviBarHeight, width(), kBarHeight);
    bottomBar_->setGeometry(0, height() - kBarHeight, width(), kBarHeight);
    const int top = kNaviBarHeight + kBarHeight + kMargin;
    const int bottom = height() - kBarHeight - kMargin;
    contentScrollView_->setGeometry(kMargin, top, std::max(0, width() - 2 * kMargin),
                                    std::max(0, bottom - top));
}

void KQSDataStatisticsVC::periodChosen(int period) {
    for (KQSDataBeasView* view : dataViews_) {
        view->setPage(period);
    }
    indexPath_ = period;
}

void KQSDataStatisticsVC::kindChosen(int kind) {
    showKind(kind);
    contentScrollView_->scrollToPage(kind, true);
}

void KQSDataStatisticsVC::pageSettled(int page) {
    bottomBar_->clickedChangIndexBtn(page);
    showKind(page);
}

void KQSDataStatisticsVC::showKind(int kind) {
    if (kind < 0 || kind >= dataViews_.size()) {
        return;
    }
    kind_ = kind;
    if (naviBar()) {
        naviBar()->setTitle(kindTitle(kind));
    }
    dataViews_[kind]->setPage(indexPath_);
}
