#include "features.h"

#include "home/HomeScreens.h"

void registerFeatures() {
    registerHomeScreens();
}
