#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class TabBarButton;

// The kind bar at the bottom of the statistics screen: "访客", "订单" and "营收", each a
// picture over its title, 50 points high.
class KQSDataBottomBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 50;

    explicit KQSDataBottomBar(QWidget* parent = nullptr);

    const QList<TabBarButton*>& btns() const { return btns_; }
    int selectedIndex() const { return selected_; }
    // Selects tab k from code (a swipe of the pages); `index` is not called.
    void clickedChangIndexBtn(int k);

    // Told the kind the owner touched; touching the selected tab tells it again.
    std::function<void(int)> index;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void clickedWithBtn(TabBarButton* button);
    void select(int k);

    QList<TabBarButton*> btns_;
    int selected_ = -1;
};
