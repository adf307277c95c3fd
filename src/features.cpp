#include "RegisterFeatures.h"
#include "home/HomeScreens.h"
#include "orders/OrderScreens.h"

void registerFeatures() {
    registerHomeScreens();
    registerOrderScreens();
}
