#include "home/HomeScreens.h"

#include "app/ScreenClasses.h"
#include "app/Tour.h"
#include "app/WebPage.h"
#include "home/KQSMessageVC.h"
#include "home/KQSShopVC.h"
#include "service/KQAccountTool.h"

void registerHomeScreens() {
    ScreenClasses::add(QStringLiteral("KQSShopVC"), [] { return new KQSShopVC; });
    ScreenClasses::add(QStringLiteral("KQSMessageVC"), [] { return new KQSMessageVC; });

    Tour::add({QStringLiteral("home-dashboard"), [] { Tour::selectTab(0); }});
    Tour::add({QStringLiteral("home-messages"), [] { Tour::selectTab(1); }});
    Tour::add({QStringLiteral("home-shop-preview"), [] {
                   const std::optional<KQAccount> account = KQAccountTool::account();
                   Tour::push(WebPage::create(
                       KQSShopVC::shopPreviewUrl(account ? account->shop_id : QString()),
                       QStringLiteral("店铺预览")));
               }});
}
