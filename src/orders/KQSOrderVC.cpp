#include "orders/KQSOrderVC.h"

#include "app/RCNavigationbar.h"
#include "app/ScreenClasses.h"
#include "orders/KQDetailOrderVC.h"
#include "orders/KQLogistyMsgVC.h"
#include "orders/KQSendGoodsVC.h"
#include "orders/KQSortScrollView.h"
#include "orders/OrderStatus.h"
#include "platform/PopoverMenu.h"

#include <QPushButton>

namespace {
constexpr int kMargin = 12;
}

KQSOrderVC::KQSOrderVC(qint64 page, QWidget* parent) : KQSBaesVC(parent), page_(page) {
    setObjectName(QStringLiteral("KQSOrderVC"));
}

void KQSOrderVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    const int initial = page_ >= 0 && page_ < OrderStatus::tabTitles().size() ? int(page_) : 0;
    sortView_ = KQSortScrollView::sortScrollViewWithArr(OrderStatus::tabTitles(), initial, this);
    sortView_->sortArray = OrderStatus::tabFilters();
    contentView_ = new KQOrderTableView(this);
    sortView_->sortBtnBlock = [this](const QString& filter) { contentView_->setStatus(filter); };
    contentView_->setStatus(OrderStatus::filterForTab(initial));
    contentView_->delegate = this;
    sortView_->show();
    contentView_->show();
}

void KQSOrderVC::viewWillAppear() {
    RCNavigationbar* bar = setUpNaviBar(QStringLiteral("我的订单"));
    // The order search is not part of this app yet.
    RCNavigationbar::setImageAction(bar->right1, QStringLiteral("Goods_search"),
                                    QStringLiteral("搜索订单"), [] {});
    RCNavigationbar::setImageAction(bar->right0, QStringLiteral("GoodsManager_gengduo"),
                                    QStringLiteral("更多"), [this] { showMoreMenu(); });
}

void KQSOrderVC::showMoreMenu() {
    if (RCNavigationbar* bar = naviBar()) {
        // The comment list depends on the orders, so it is created by its class name.
        PopoverMenu::showFrom(
            bar->right0, {QStringLiteral("评论管理")}, [this](int, const QString&) {
                if (Screen* comments = ScreenClasses::create(QStringLiteral("KQCommentListVC"))) {
                    push(comments);
                }
            });
    }
}

void KQSOrderVC::layoutContent() {
    sortView_->setGeometry(0, kNaviBarHeight, width(), KQSortScrollView::kHeight);
    const int listTop = kNaviBarHeight + KQSortScrollView::kHeight + kMargin;
    contentView_->setGeometry(kMargin, listTop, width() - 2 * kMargin,
                              height() - listTop - kMargin);
}

void KQSOrderVC::orderCellClick(TableView*, IndexPath, const QString& orderId) {
    push(new KQDetailOrderVC(orderId));
}

void KQSOrderVC::footerSendGoodClick(const QString& orderId,
                                     const KQOrderBuyerAddressModel& address) {
    push(new KQSendGoodsVC(orderId, address));
}

void KQSOrderVC::footerCheckLogisticsClick(const QString& orderId) {
    push(new KQLogistyMsgVC(orderId));
}
