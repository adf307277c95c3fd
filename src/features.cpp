#include "RegisterFeatures.h"
#include "addresses/AddressScreens.h"
#include "comments/CommentScreens.h"
#include "home/HomeScreens.h"
#include "orders/OrderScreens.h"

void registerFeatures() {
    registerHomeScreens();
    registerOrderScreens();
    registerCommentScreens();
    registerAddressScreens();
}
