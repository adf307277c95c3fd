#include "platform/TabContainer.h"

#include "platform/Lifecycle.h"
#include "platform/NavigationStack.h"
#include "platform/Screen.h"

#include <QPainter>

namespace {
// The plain bar: white with a hairline along its top edge.
class BarBackground : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.fillRect(QRectF(0, 0, width(), 0.5), QColor(216, 216, 216));
    }
};
} // namespace

TabContainer::TabContainer(QWidget* parent) : QWidget(parent) {
    bar_ = new BarBackground(this);
    bar_->setObjectName(QStringLiteral("tabBar"));
}

void TabContainer::addStack(NavigationStack* stack) {
    stack->setParent(this);
    stack->setGeometry(rect());
    stack->hide();
    stacks_.append(stack);
    connect(stack, &NavigationStack::topChanged, this, [this, stack] {
        if (stack == currentStack()) {
            updateTabBar();
        }
    });
    if (current_ < 0) {
        setCurrentIndex(0);
    }
    bar_->raise();
}

void TabContainer::setCurrentIndex(int index) {
    if (index == current_ || index < 0 || index >= count()) {
        return;
    }
    NavigationStack* previous = currentStack();
    NavigationStack* next = stacks_.at(index);
    if (previous && appearing_) {
        Lifecycle::willDisappear(previous);
    }
    current_ = index;
    if (appearing_) {
        Lifecycle::willAppear(next);
    }
    next->show();
    if (previous) {
        previous->hide();
    }
    updateTabBar();
    emit currentChanged(index);
}

NavigationStack* TabContainer::currentStack() const {
    return current_ < 0 ? nullptr : stacks_.at(current_);
}

void TabContainer::setTabBarView(QWidget* view) {
    delete barView_;
    barView_ = view;
    if (view) {
        view->setParent(bar_);
        view->setGeometry(bar_->rect());
        view->show();
    }
}

bool TabContainer::isTabBarHidden() const {
    return bar_->isHidden();
}

void TabContainer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (NavigationStack* stack : stacks_) {
        stack->setGeometry(rect());
    }
    bar_->setGeometry(0, height() - barHeight, width(), barHeight);
    if (barView_) {
        barView_->setGeometry(bar_->rect());
    }
}

void TabContainer::setAppearing(bool appearing) {
    if (appearing == appearing_) {
        return;
    }
    appearing_ = appearing;
    if (NavigationStack* stack = currentStack()) {
        appearing ? Lifecycle::willAppear(stack) : Lifecycle::willDisappear(stack);
    }
}

void TabContainer::updateTabBar() {
    NavigationStack* stack = currentStack();
    const bool hide = stack && stack->top() && stack->top()->hidesTabBar();
    bar_->setVisible(!hide);
}
