#include "shop_features.h"

#include "home/HomeScreens.h"

void registerFeatures() {
    registerHomeScreens();
}
