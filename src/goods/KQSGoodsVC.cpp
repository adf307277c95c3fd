#include "goods/KQSGoodsVC.h"

#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "goods/KQSGoodsCategoryView.h"
#include "goods/KQSSearchVC.h"
#include "platform/Alert.h"
#include "platform/PagingScrollView.h"
#include "platform/PopoverMenu.h"
#include "service/KQHttpClientList.h"
#include "ui/KQSBottumsView.h"

#include <QPointer>
#include <QPushButton>
#include <memory>

namespace {

constexpr int kMargin = 12;

struct TabInfo {
    const char* title;
    const char* status;
};

const TabInfo kTabs[] = {{"销售中", "sale"}, {"已售罄", "sold"}, {"仓库中", "stop"}};

enum class Action { Sync, Stop, Start, Delete };

KQRequest* send(Action action, const KQProject& bag, ReplyBlock block) {
    switch (action) {
    case Action::Sync:
        return KQHttpClientList::synchronousFacebookWithProject(bag, std::move(block));
    case Action::Stop:
        return KQHttpClientList::soldOutGoodsWithProject(bag, std::move(block));
    case Action::Start:
        return KQHttpClientList::shelvesGoodsWithProject(bag, std::move(block));
    case Action::Delete:
        break;
    }
    return KQHttpClientList::deleteGoodsListWithProject(bag, std::move(block));
}

} // namespace

// A confirmed batch, taken when the owner confirmed: later ticks, swipes or reloads do not
// change what it acts on.
struct KQSGoodsVC::Batch {
    int tab = 0;
    Action action = Action::Sync;
    QStringList itemIds;
    qsizetype open = 0;
};

KQSGoodsVC::KQSGoodsVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQSGoodsVC"));
}

void KQSGoodsVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    topBarView_ = new KQSBottumsView(this);
    QStringList titles;
    for (const TabInfo& info : kTabs) {
        titles.append(QString::fromUtf8(info.title));
    }
    topBarView_->setTitles(titles);
    topBarView_->setAttribute(Qt::WA_StyledBackground);
    topBarView_->setStyleSheet(QStringLiteral("KQSBottumsView { background: white; }"));
    topBarView_->indexBlock = [this](int index) { showTab(index); };

    tabScrollView_ = new PagingScrollView(this);
    tabScrollView_->setObjectName(QStringLiteral("tabScrollView"));
    connect(tabScrollView_, &PagingScrollView::pageSettled, this, &KQSGoodsVC::tabChanged);
    for (const TabInfo& info : kTabs) {
        auto* tab = new KQSGoodsCategoryView;
        tabScrollView_->addPage(tab);
        tab->setStatus(QString::fromLatin1(info.status));
        tabs_.append(tab);
    }

    toolBar_ = new KQSGoodsManagerToolBar(this);
    toolBar_->delegate = this;
    toolBar_->hide();
    layoutContent();
    loadShopCategories();
}

void KQSGoodsVC::viewWillAppear() {
    setUpBar();
}

void KQSGoodsVC::setUpBar() {
    RCNavigationbar* bar = setUpNaviBar(QStringLiteral("我的商品"));
    RCNavigationbar::setImageAction(bar->right1, QStringLiteral("Goods_search"),
                                    QStringLiteral("搜索商品"), [this] { search(); });
    RCNavigationbar::setImageAction(bar->right0, QStringLiteral("GoodsManager_gengduo"),
                                    QStringLiteral("更多"), [this] { managergoods(); });
    RCNavigationbar::setImageAction(bar->left0, QStringLiteral("iconfont-back"),
                                    QStringLiteral("返回"), [this] { back(); });
    if (batchMode_) {
        bar->right0->hide();
        bar->right1->hide();
        bar->left0->setIcon(QIcon());
        bar->left0->setText(QStringLiteral("取消"));
        bar->left0->setAccessibleName(QStringLiteral("取消"));
    }
}

void KQSGoodsVC::loadShopCategories() {
    KQProject& bag = KQProject::project();
    bag.start = 0;
    bag.size = 10;
    KQHttpClientList::getGoodsGroupWithProject(bag, [](const QJsonObject* reply,
                                                       const ServiceError*) {
        if (reply) {
            GoodsPayload::storeShopCategories(*reply);
        }
    })->guardedBy(this);
}

void KQSGoodsVC::managergoods() {
    if (RCNavigationbar* bar = naviBar()) {
        PopoverMenu::showFrom(bar->right0, {QStringLiteral("批量管理")},
                              [this](int, const QString&) { enterBatchMode(); });
    }
}

void KQSGoodsVC::search() {
    if (KQSNavigtionVC* navigation = navigationController()) {
        navigation->pushViewController(new KQSSearchVC, true);
    }
}

void KQSGoodsVC::enterBatchMode() {
    batchMode_ = true;
    for (KQSGoodsCategoryView* tab : std::as_const(tabs_)) {
        tab->setIsendting(true);
    }
    toolBar_->allSelectBtn->setChecked(false);
    toolBar_->show();
    toolBar_->raise();
    setUpBar();
    layoutContent();
}

void KQSGoodsVC::back() {
    if (batchMode_) {
        leaveBatchMode();
        return;
    }
    KQSBaesVC::back();
}

void KQSGoodsVC::leaveBatchMode() {
    batchMode_ = false;
    for (KQSGoodsCategoryView* tab : std::as_const(tabs_)) {
        tab->deselectAll();
        tab->setIsendting(false);
    }
    toolBar_->hide();
    setUpBar();
    layoutContent();
}

int KQSGoodsVC::getSelectContentView() const {
    return tabScrollView_ ? tabScrollView_->currentPage() : 0;
}

const QList<KQSGoodsModel>& KQSGoodsVC::dataArray() const {
    return tabs_.at(getSelectContentView())->selectArray();
}

void KQSGoodsVC::showTab(int index) {
    tabChanged(index);
    tabScrollView_->scrollToPage(index, true);
}

void KQSGoodsVC::tabChanged(int index) {
    toolBar_->setIsFalg(index != Stop);
    toolBar_->setActionsShown(index != Sold);
    topBarView_->scrollBtnChangeWithIndex(index);
    if (KQSGoodsCategoryView* shown = tabs_.value(index)) {
        toolBar_->allSelectBtn->setChecked(shown->isAllSelect);
    }
}

void KQSGoodsVC::goodsManagerToolBar(KQSGoodsManagerToolBar*, QPushButton* btn, int index) {
    KQSGoodsCategoryView* shown = tabs_.value(getSelectContentView());
    if (index == KQSGoodsManagerToolBar::AllSelect) {
        if (btn->isChecked()) {
            shown->selectAll();
        } else {
            shown->deselectAll();
        }
        return;
    }
    confirm(index);
}

void KQSGoodsVC::confirm(int tag) {
    selectIndex_ = tag;
    QString message;
    switch (tag) {
    case KQSGoodsManagerToolBar::Sync:
        message = QStringLiteral("是否同步Facebook");
        break;
    case KQSGoodsManagerToolBar::OnOffSale:
        message = getSelectContentView() == Stop ? QStringLiteral("是否上架选中的商品")
                                                 : QStringLiteral("是否下架选中的商品");
        break;
    default:
        message = QStringLiteral("是否删除选中的商品");
        break;
    }
    auto* alert = new Alert(QStringLiteral("提示"), message);
    alert->addAction(QStringLiteral("确定"), Alert::Style::Default, [self = QPointer(this)] {
        if (self) {
            self->batchProcessingWithContentView(self->getSelectContentView(), self->selectIndex_);
        }
    });
    alert->addAction(QStringLiteral("取消"), Alert::Style::Cancel);
    alert->present();
}

void KQSGoodsVC::batchProcessingWithContentView(int tab, int index) {
    KQSGoodsCategoryView* view = tabs_.value(tab);
    if (!view || view->selectArray().isEmpty()) {
        return;
    }
    auto batch = std::make_shared<Batch>();
    batch->tab = tab;
    switch (index) {
    case KQSGoodsManagerToolBar::Sync:
        batch->action = Action::Sync;
        break;
    case KQSGoodsManagerToolBar::OnOffSale:
        batch->action = tab == Stop ? Action::Start : Action::Stop;
        break;
    default:
        batch->action = Action::Delete;
        break;
    }
    for (const KQSGoodsModel& goods : view->selectArray()) {
        batch->itemIds.append(goods.item_id);
    }
    batch->open = batch->itemIds.size();
    for (const QString& itemId : std::as_const(batch->itemIds)) {
        KQProject& bag = KQProject::project();
        bag.item_id = itemId;
        KQRequest* request =
            send(batch->action, bag,
                 [this, batch, itemId](const QJsonObject* reply, const ServiceError*) {
                     if (reply) {
                         itemDone(*batch, itemId);
                     }
                 });
        request->guardedBy(this);
        // Every outcome counts, a refusal and a lost connection too, so the last one to come
        // back reloads whichever it is.
        connect(request, &KQRequest::finished, this, [this, batch] {
            if (--batch->open == 0) {
                batchFinished();
            }
        });
    }
}

void KQSGoodsVC::itemDone(const Batch& batch, const QString& itemId) {
    if (batch.action == Action::Delete) {
        tabs_.at(batch.tab)->removeGoods(itemId);
    }
}

void KQSGoodsVC::batchFinished() {
    for (KQSGoodsCategoryView* tab : std::as_const(tabs_)) {
        tab->isAllSelect = false;
        tab->shuaXin();
    }
    toolBar_->allSelectBtn->setChecked(false);
}

void KQSGoodsVC::layoutContent() {
    if (!tabScrollView_) {
        return;
    }
    const int w = width();
    const int h = height();
    topBarView_->setGeometry(0, kNaviBarHeight, w, KQSBottumsView::kHeight);
    topBarView_->setVisible(!batchMode_);
    toolBar_->setGeometry(0, h - KQSGoodsManagerToolBar::kHeight, w,
                          KQSGoodsManagerToolBar::kHeight);
    const int top = kNaviBarHeight + (batchMode_ ? 0 : KQSBottumsView::kHeight) + kMargin;
    const int bottom = batchMode_ ? h - KQSGoodsManagerToolBar::kHeight - kMargin : h - kMargin;
    tabScrollView_->setGeometry(kMargin, top, w - 2 * kMargin, qMax(0, bottom - top));
}
