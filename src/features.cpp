#include "RegisterFeatures.h"
#include "addresses/AddressScreens.h"
#include "home/HomeScreens.h"
#include "orders/OrderScreens.h"
#include "stats/StatsScreens.h"

void registerFeatures() {
    registerHomeScreens();
    registerOrderScreens();
    registerStatsScreens();
    registerAddressScreens();
}
