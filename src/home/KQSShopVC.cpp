#include "home/KQSShopVC.h"

#include "app/RCNavigationbar.h"
#include "app/ScreenClasses.h"
#include "app/WebPage.h"
#include "home/HomeFormat.h"
#include "home/KQHomeDataView.h"
#include "home/KQHomeManagerView.h"
#include "orders/KQSOrderVC.h"
#include "platform/Defaults.h"
#include "platform/KineticScrollView.h"
#include "service/KQAccountTool.h"
#include "service/KQHttpClientList.h"
#include "service/ServiceConfig.h"

#include <QJsonObject>
#include <QPushButton>

namespace {
constexpr int kManagerGap = 12;
constexpr int kTabBarHeight = 49;
} // namespace

KQSShopVC::KQSShopVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQSShopVC"));
}

void KQSShopVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    contentScrollView_ = new KineticScrollView(this);
    contentScrollView_->setObjectName(QStringLiteral("contentScrollView"));
    contentScrollView_->viewport()->setAutoFillBackground(false);
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("content"));
    contentScrollView_->setWidget(content_);
    initDataView();
    initManagerView();
}

void KQSShopVC::initDataView() {
    dataView_ = new KQHomeDataView(content_);
    reloadViews();
    dataView_->btnViewBlock = [this](int n) { btnViewTouched(n); };
}

void KQSShopVC::initManagerView() {
    managerView_ = new KQHomeManagerView(content_);
    managerView_->managerBtnBlock = [this](int i) { managerBtnTouched(i); };
}

void KQSShopVC::layoutContent() {
    contentScrollView_->setGeometry(0, kNaviBarHeight, width(),
                                    std::max(0, height() - kNaviBarHeight));
    dataView_->setGeometry(0, 0, width(), KQHomeDataView::kHeight);
    managerView_->setGeometry(0, dataView_->geometry().bottom() + 1 + kManagerGap, width(),
                              KQHomeManagerView::kHeight);
    const int managerBottom = managerView_->geometry().bottom() + 1;
    content_->resize(width(), managerBottom + kNaviBarHeight + kTabBarHeight + kManagerGap);
}

void KQSShopVC::viewWillAppear() {
    setUpNaviBar();
    getHomeData();
    getSystemData();
}

void KQSShopVC::setUpNaviBar() {
    const QString stored = Defaults::value(shopNameKey()).toString();
    const QString title =
        !stored.isEmpty() ? stored : (settingModel_ ? settingModel_->name : QString());
    RCNavigationbar* bar = KQSBaesVC::setUpNaviBar(title);
    RCNavigationbar::setTextAction(bar->right0, QStringLiteral("店铺预览"), [this] { showShop(); });
    bar->right0->setObjectName(QStringLiteral("showShopBtn"));
}

void KQSShopVC::getHomeData() {
    KQHttpClientList::request_HomepageBlock(onReply([this](const QJsonObject& reply) {
        homeModel_ = RecordMapper::fromJson<KQHomeModel>(reply.value("data").toObject());
        reloadViews();
    }))->guardedBy(this);
}

void KQSShopVC::getSystemData() {
    KQHttpClientList::request_SystemMsgBlock(onReply([this](const QJsonObject& reply) {
        settingModel_ = RecordMapper::fromJson<KQHomeShopModel>(reply.value("data").toObject());
        Defaults::remove(shopNameKey());
        if (naviBar()) {
            naviBar()->setTitle(settingModel_->name);
        }
    }))->guardedBy(this);
}

void KQSShopVC::reloadViews() {
    const KQHomeOrderModel orders =
        homeModel_ ? homeModel_->order_stat.value_or(KQHomeOrderModel{}) : KQHomeOrderModel{};
    dataView_->setDataArr({HomeFormat::yesterdayAmountText(orders.yesterday_order_amount),
                           HomeFormat::countText(orders.undelivery_order_count),
                           HomeFormat::countText(orders.yesterday_order_count)});
    const double total = homeModel_ && homeModel_->money ? homeModel_->money->total : 0.0;
    dataView_->setTotalMoney(total);
}

void KQSShopVC::btnViewTouched(int n) {
    switch (n) {
    case 0:
        pushScreenNamed(QStringLiteral("KQSMoneyVC"));
        break;
    case 2:
        openOrders(2);
        break;
    case 3:
        openOrders(0);
        break;
    default:
        break; // yesterday's income opens nothing
    }
}

void KQSShopVC::managerBtnTouched(int i) {
    const QList<KQHomeManagerView::Tile>& tiles = KQHomeManagerView::tiles();
    if (i < 0 || i >= tiles.size() || tiles[i].screenClass.isEmpty()) {
        return;
    }
    if (tiles[i].screenClass == QStringLiteral("KQSOrderVC")) {
        openOrders(0);
        return;
    }
    pushScreenNamed(tiles[i].screenClass);
}

void KQSShopVC::openOrders(int page) {
    push(new KQSOrderVC(page));
}

void KQSShopVC::pushScreenNamed(const QString& className) {
    push(ScreenClasses::create(className));
}

QString KQSShopVC::shopPreviewUrl(const QString& shopId) {
    return QStringLiteral("%1index.html?shopId=%2").arg(ServiceConfig::storefrontUrl(), shopId);
}

void KQSShopVC::showShop() {
    const std::optional<KQAccount> account = KQAccountTool::account();
    push(WebPage::create(shopPreviewUrl(account ? account->shop_id : QString()),
                         QStringLiteral("店铺预览")));
}
