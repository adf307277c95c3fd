#pragma once

#include <QWidget>

class NavigationStack;

// Base of every screen. Containers call the hooks: viewDidLoad once before the first
// appearance, viewWillAppear before every appearance (pushed, popped back to, its tab selected
// again), viewWillDisappear before it goes out of sight. The destructor is the last hook.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(QWidget* parent = nullptr);

    bool isViewLoaded() const { return loaded_; }
    void loadViewIfNeeded();
    bool isAppearing() const { return appearing_; }

    // The stack that holds this screen, if any.
    NavigationStack* navigationStack() const;

    // A tab container hides its bar while a screen asking for it is the top of the current tab.
    bool hidesTabBar() const { return hidesTabBar_; }
    void setHidesTabBar(bool hides) { hidesTabBar_ = hides; }

protected:
    virtual void viewDidLoad() {}
    virtual void viewWillAppear() {}
    virtual void viewWillDisappear() {}
    // Places the screen's views for its current size: once right after viewDidLoad and after
    // every resize of a loaded screen, so it may rely on everything viewDidLoad built. Screens
    // override this rather than resizeEvent.
    virtual void layoutContent() {}

    void resizeEvent(QResizeEvent* event) override;

private:
    friend class Lifecycle;
    void sendWillAppear();
    void sendWillDisappear();

    bool loaded_ = false;
    bool appearing_ = false;
    bool hidesTabBar_ = false;
};
