#include "app/KQSNavigtionVC.h"

#include "platform/Screen.h"

KQSNavigtionVC::KQSNavigtionVC(Screen* first, QWidget* parent) : NavigationStack(first, parent) {}

void KQSNavigtionVC::pushViewController(Screen* screen, bool animated) {
    if (count() > 0) {
        screen->setHidesTabBar(true);
    }
    push(screen, animated);
}
