#pragma once

#include "platform/NavigationStack.h"

// The navigation stack of every tab and of the sign-in flow. Pushes are always animated and
// a pushed screen hides the tab bar; the first screen keeps it.
class KQSNavigtionVC : public NavigationStack {
    Q_OBJECT
public:
    explicit KQSNavigtionVC(Screen* first, QWidget* parent = nullptr);

    void pushViewController(Screen* screen, bool animated = true);
    void popViewController(bool animated = true) { pop(animated); }
    void popToRootViewController(bool animated = true) { popToRoot(animated); }
};
