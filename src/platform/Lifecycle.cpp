#include "platform/Lifecycle.h"

#include "platform/NavigationStack.h"
#include "platform/Screen.h"
#include "platform/TabContainer.h"

void Lifecycle::willAppear(QWidget* content) {
    if (auto* screen = qobject_cast<Screen*>(content)) {
        screen->sendWillAppear();
    } else if (auto* stack = qobject_cast<NavigationStack*>(content)) {
        stack->setAppearing(true);
    } else if (auto* tabs = qobject_cast<TabContainer*>(content)) {
        tabs->setAppearing(true);
    }
}

void Lifecycle::willDisappear(QWidget* content) {
    if (auto* screen = qobject_cast<Screen*>(content)) {
        screen->sendWillDisappear();
    } else if (auto* stack = qobject_cast<NavigationStack*>(content)) {
        stack->setAppearing(false);
    } else if (auto* tabs = qobject_cast<TabContainer*>(content)) {
        tabs->setAppearing(false);
    }
}
