#include "RegisterFeatures.h"
#include "addresses/AddressScreens.h"
#include "app/Tour.h"
#include "comments/CommentScreens.h"
#include "goods/GoodsScreens.h"
#include "home/HomeScreens.h"
#include "orders/OrderScreens.h"
#include "settings/SettingsScreens.h"
#include "stats/StatsScreens.h"

void registerFeatures() {
    registerHomeScreens();
    registerOrderScreens();
    registerStatsScreens();
    registerCommentScreens();
    registerAddressScreens();
    registerSettingsScreens();
    Tour::addRecoverySteps();
    registerGoodsScreens();
}
