#pragma once

#include "platform/Screen.h"

class KQSNavigtionVC;
class RCNavigationbar;

// The base of every screen: the grey background and the screen's own navigation bar.
class KQSBaesVC : public Screen {
    Q_OBJECT
public:
    explicit KQSBaesVC(QWidget* parent = nullptr);

    // The bar placed by the last setUpNaviBar, or nullptr.
    RCNavigationbar* naviBar() const { return naviBar_; }
    KQSNavigtionVC* navigationController() const;

    // Pops this screen.
    virtual void back();
    // Pushes screen onto this screen's navigation stack, which takes it; a screen that is not on
    // a stack deletes it instead. nullptr does nothing.
    void push(Screen* screen);

protected:
    void viewDidLoad() override;
    // Places a fresh bar at the top with the title and the back button in the left slot; the
    // bar of an earlier appearance is replaced, not stacked. The first screen of a stack has
    // nothing to go back to and gets no back button.
    RCNavigationbar* setUpNaviBar(const QString& title);
    void resizeEvent(QResizeEvent* event) override;

    // Content starts below the bar.
    static constexpr int kNaviBarHeight = 64;

private:
    RCNavigationbar* naviBar_ = nullptr;
};
