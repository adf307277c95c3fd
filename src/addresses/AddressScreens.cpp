#include "addresses/AddressScreens.h"

#include "addresses/KQAddAddressVC.h"
#include "addresses/KQSLogisticsVC.h"
#include "app/KQSRootVC.h"
#include "app/ScreenClasses.h"
#include "app/Tour.h"
#include "platform/NavigationStack.h"

namespace {

KQSLogisticsVC* shownLibrary() {
    KQSRootVC* root = Tour::root();
    NavigationStack* stack = root ? root->currentStack() : nullptr;
    return stack ? qobject_cast<KQSLogisticsVC*>(stack->top()) : nullptr;
}

} // namespace

void registerAddressScreens() {
    ScreenClasses::add(QStringLiteral("KQSLogisticsVC"), [] { return new KQSLogisticsVC; });

    Tour::add({QStringLiteral("addresses-library"), [] { Tour::push(new KQSLogisticsVC); }});
    Tour::add({QStringLiteral("addresses-editor"),
               [] {
                   KQSLogisticsVC* library = shownLibrary();
                   if (library && !library->dataArray().isEmpty()) {
                       library->editAddress(library->dataArray().first().address_id);
                   }
               },
               true});
    Tour::add({QStringLiteral("addresses-editor-picker"),
               [] {
                   KQSRootVC* root = Tour::root();
                   NavigationStack* stack = root ? root->currentStack() : nullptr;
                   if (auto* editor =
                           stack ? qobject_cast<KQAddAddressVC*>(stack->top()) : nullptr) {
                       editor->choosePro();
                   }
               },
               true});
}
