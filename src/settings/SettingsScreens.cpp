#include "settings/SettingsScreens.h"

#include "app/KQSRootVC.h"
#include "app/ScreenClasses.h"
#include "app/Tour.h"
#include "platform/NavigationStack.h"
#include "settings/KQSSettingVC.h"

namespace {

constexpr int kPersonalTab = 2;

// The personal centre of the signed-in tabs, shown.
KQSSettingVC* personalCentre() {
    Tour::selectTab(kPersonalTab);
    KQSRootVC* root = Tour::root();
    NavigationStack* stack = root ? root->currentStack() : nullptr;
    return stack ? qobject_cast<KQSSettingVC*>(stack->screens().value(0)) : nullptr;
}

// Each step opens one row of the personal centre, as the owner's touch would.
void addRowStep(const QString& name, IndexPath row) {
    Tour::add({name, [row] {
                   if (KQSSettingVC* centre = personalCentre()) {
                       centre->didSelectRow(row);
                   }
               }});
}

} // namespace

void registerSettingsScreens() {
    ScreenClasses::add(QStringLiteral("KQSSettingVC"), [] { return new KQSSettingVC; });

    Tour::add({QStringLiteral("settings-centre"), [] { personalCentre(); }});
    addRowStep(QStringLiteral("settings-edit-name"), {0, KQSSettingVC::NameRow});
    addRowStep(QStringLiteral("settings-edit-contacts"), {0, KQSSettingVC::ContactsRow});
    addRowStep(QStringLiteral("settings-edit-email"), {0, KQSSettingVC::EmailRow});
    addRowStep(QStringLiteral("settings-subdomain"), {0, KQSSettingVC::SubdomainRow});
    addRowStep(QStringLiteral("settings-sign-out"), {1, 0});
}
