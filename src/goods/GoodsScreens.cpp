#include "goods/GoodsScreens.h"

#include "app/KQSRootVC.h"
#include "app/ScreenClasses.h"
#include "app/Tour.h"
#include "goods/KQSGoodsCategoryView.h"
#include "goods/KQSGoodsVC.h"
#include "goods/KQSSearchVC.h"
#include "platform/NavigationStack.h"

#include <QPushButton>

namespace {

template <class S> S* topScreen() {
    KQSRootVC* root = Tour::root();
    NavigationStack* stack = root ? root->currentStack() : nullptr;
    return stack ? qobject_cast<S*>(stack->top()) : nullptr;
}

// Batch mode on "销售中" with its first two goods ticked.
void showBatchMode() {
    auto* goods = topScreen<KQSGoodsVC>();
    if (!goods) {
        return;
    }
    goods->enterBatchMode();
    KQSGoodsCategoryView* onSale = goods->tab(KQSGoodsVC::Sale);
    const QList<KQSGoodsModel> shown = onSale->dataArray().mid(0, 2);
    for (const KQSGoodsModel& item : shown) {
        onSale->setTicked(item.item_id, true);
    }
}

// The category menu open, its first category unfolded.
void showCategoryMenu() {
    auto* search = topScreen<KQSSearchVC>();
    if (!search) {
        return;
    }
    search->selectGourpBtn()->click();
    KQSGoodsSearchMenuView* menu = search->menuView();
    if (auto* first = static_cast<KQSMenuCell*>(menu->tableView()->cellForRow({0, 0}))) {
        first->openBtn->click();
    }
}

} // namespace

void registerGoodsScreens() {
    ScreenClasses::add(QStringLiteral("KQSGoodsVC"), [] { return new KQSGoodsVC; });

    Tour::add({QStringLiteral("goods-list"), [] { Tour::push(new KQSGoodsVC); }});
    Tour::add({QStringLiteral("goods-batch"), showBatchMode, true});
    Tour::add({QStringLiteral("goods-search"), [] { Tour::push(new KQSSearchVC); }});
    Tour::add({QStringLiteral("goods-search-menu"), showCategoryMenu, true});
}
