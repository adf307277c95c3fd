#include "RegisterFeatures.h"
#include "addresses/AddressScreens.h"
#include "home/HomeScreens.h"
#include "orders/OrderScreens.h"

void registerFeatures() {
    registerHomeScreens();
    registerOrderScreens();
    registerAddressScreens();
}
