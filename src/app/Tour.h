#pragma once

#include <QString>
#include <functional>

class KQSRootVC;
class Screen;

// The screens of `shopowner --demo --tour DIR`. Each subsystem adds the screens it owns; the
// tour first shows the sign-in stack's own steps, then for every other step in order: signs in
// as the step's owner when another one (or nobody) is signed in, returns every tab to its first
// screen and selects tab 0 (unless the step continues the previous one), runs the step's `show`,
// waits until the requests it caused are answered, and saves the window as DIR/<name>.png.
class Tour {
public:
    struct Step {
        QString name;               // file name without ".png", e.g. "orders-list"
        std::function<void()> show; // brings the screen up as the owner would
        bool continuesPrevious = false;
        QString mobile = {};       // the owner the step is seen by; empty: the demo shop's owner
        bool beforeSignIn = false; // on the sign-in stack, returned to its first screen first
    };

    // The demo service's second owner, whose shop has no orders, trades or statistics.
    static constexpr const char* kEmptyShopMobile = "13900139000";

    static void add(Step step);
    static const QList<Step>& steps();

    // Helpers for steps: the signed-in root, and a push onto its current tab's stack (before
    // signing in, onto the sign-in stack). A step that has no screen to push (nullptr) fails the
    // tour.
    static KQSRootVC* root();
    static void push(Screen* screen);
    // Whether a push since the last call had no screen; clears the mark.
    static bool takeMissingScreen();
    static void selectTab(int index);

    // The password-recovery screens, before signing in.
    static void addRecoverySteps();
};
