#pragma once

#include <QWidget>

class NavigationStack;

// Holds navigation stacks, one per tab, each filling the container; the 49-point bar lies over
// the bottom of the current stack. A custom bar view can be laid over the bar. The bar hides
// while the top screen of the current stack asks for it.
class TabContainer : public QWidget {
    Q_OBJECT
public:
    static constexpr int barHeight = 49;

    explicit TabContainer(QWidget* parent = nullptr);

    // Takes ownership; the first stack added becomes the current one.
    void addStack(NavigationStack* stack);
    QList<NavigationStack*> stacks() const { return stacks_; }
    int count() const { return int(stacks_.size()); }

    // Selecting the current tab again changes nothing.
    void setCurrentIndex(int index);
    int currentIndex() const { return current_; }
    NavigationStack* currentStack() const;

    QWidget* tabBar() const { return bar_; }
    // Takes ownership; the view covers the bar and follows its size.
    void setTabBarView(QWidget* view);
    QWidget* tabBarView() const { return barView_; }
    bool isTabBarHidden() const;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class Lifecycle;
    void setAppearing(bool appearing);
    void updateTabBar();

    QList<NavigationStack*> stacks_;
    int current_ = -1;
    bool appearing_ = false;
    QWidget* bar_ = nullptr;
    QWidget* barView_ = nullptr;
};
