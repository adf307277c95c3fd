#include "app/Tour.h"

#include "app/KQSNavigtionVC.h"
#include "app/KQSRootVC.h"
#include "platform/PhoneWindow.h"
#include "platform/Screen.h"

#include <utility>

namespace {
QList<Tour::Step>& registered() {
    static QList<Tour::Step> list;
    return list;
}

bool& missingScreen() {
    static bool missing = false;
    return missing;
}
} // namespace

void Tour::add(Step step) {
    registered().append(std::move(step));
}

const QList<Tour::Step>& Tour::steps() {
    return registered();
}

KQSRootVC* Tour::root() {
    PhoneWindow* window = PhoneWindow::current();
    return window ? qobject_cast<KQSRootVC*>(window->root()) : nullptr;
}

void Tour::push(Screen* screen) {
    if (!screen) {
        missingScreen() = true;
        return;
    }
    KQSRootVC* tabs = root();
    PhoneWindow* window = PhoneWindow::current();
    QWidget* current = tabs ? tabs->currentStack() : window ? window->root() : nullptr;
    auto* stack = qobject_cast<KQSNavigtionVC*>(current);
    if (stack) {
        stack->pushViewController(screen, true);
        stack->finishTransition();
    } else {
        delete screen;
    }
}

bool Tour::takeMissingScreen() {
    return std::exchange(missingScreen(), false);
}

void Tour::selectTab(int index) {
    if (KQSRootVC* tabs = root(); tabs && index >= 0 && index < tabs->itmes.size()) {
        tabs->rootClick(tabs->itmes[index]);
    }
}
