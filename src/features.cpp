#include "goods/GoodsScreens.h"
#include "home/HomeScreens.h"
#include "orders/OrderScreens.h"

// Every subsystem registers its screens (first screens of the tabs by class name) and its tour
// steps here, one call each.
void registerFeatures() {
    registerHomeScreens();
    registerOrderScreens();
    registerGoodsScreens();
}
