#include "orders/OrderScreens.h"
#include "shop_features.h"

void registerFeatures() {
    registerOrderScreens();
}
