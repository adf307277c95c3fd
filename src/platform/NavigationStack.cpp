#include "platform/NavigationStack.h"

#include "platform/Lifecycle.h"
#include "platform/Screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

namespace {
// A move this far decides whether the gesture is a horizontal swipe.
constexpr int swipeSlop = 10;
// The screen beneath the top one waits a third of the width to the left.
int beneathOffset(int width) {
    return -width / 3;
}
} // namespace

NavigationStack::NavigationStack(Screen* first, QWidget* parent) : QWidget(parent) {
    animation_ = new QParallelAnimationGroup(this);
    connect(animation_, &QAbstractAnimation::finished, this, &NavigationStack::finishTransition);
    qApp->installEventFilter(this);
    if (first) {
        push(first, false);
    }
}

NavigationStack::~NavigationStack() {
    qApp->removeEventFilter(this);
    // The screens die with the base class, after this object's members are gone.
    for (const auto& screen : std::as_const(screens_)) {
        if (screen) {
            disconnect(screen, nullptr, this, nullptr);
        }
    }
}

void NavigationStack::push(Screen* screen, bool /*animated: pushes always slide*/) {
    if (!screen || screens_.contains(screen)) {
        return;
    }
    finishTransition();
    Screen* previous = top();
    screen->setHidesTabBar(previous != nullptr);
    screen->setParent(this);
    screen->setGeometry(rect());
    screens_.append(screen);
    // A screen deleted by someone else simply leaves the stack.
    connect(screen, &QObject::destroyed, this, [this] { screens_.removeAll(nullptr); });
    if (appearing_) {
        screen->loadViewIfNeeded();
        if (previous) {
            Lifecycle::willDisappear(previous);
        }
        Lifecycle::willAppear(screen);
    }
    screen->show();
    screen->raise();
    emit topChanged(screen);

    if (!previous) {
        lastAnimated_ = false;
        return;
    }
    screen->move(width(), 0);
    slide({screen, previous, QPoint(beneathOffset(width()), 0), [previous] { previous->hide(); }},
          true);
}

void NavigationStack::pop(bool animated) {
    popTo(count() - 2, animated);
}

void NavigationStack::popToRoot(bool animated) {
    popTo(0, animated);
}

void NavigationStack::popTo(int index, bool animated) {
    if (index < 0 || index >= count() - 1) {
        return;
    }
    finishTransition();
    Screen* leaving = top();
    Screen* revealed = screens_.at(index);
    while (count() > index + 2) {
        Screen* skipped = screens_.takeAt(index + 1);
        disconnect(skipped, nullptr, this, nullptr);
        skipped->hide();
        skipped->deleteLater();
    }
    screens_.removeLast();
    disconnect(leaving, nullptr, this, nullptr);
    if (appearing_) {
        Lifecycle::willDisappear(leaving);
        Lifecycle::willAppear(revealed);
    }
    if (!revealed->isVisible()) {
        revealed->move(beneathOffset(width()), 0);
        revealed->show();
    }
    revealed->stackUnder(leaving);
    emit topChanged(revealed);
    slide({revealed, leaving, QPoint(width(), 0), [leaving] { leaving->deleteLater(); }}, animated);
}

void NavigationStack::slide(Slide s, bool animated) {
    lastAnimated_ = animated;
    running_ = std::move(s);
    if (!animated) {
        finishTransition();
        return;
    }
    animation_->clear();
    auto* in = new QPropertyAnimation(running_.incoming, "pos");
    in->setEndValue(QPoint(0, 0));
    auto* out = new QPropertyAnimation(running_.outgoing, "pos");
    out->setEndValue(running_.outgoingEnd);
    for (auto* a : {in, out}) {
        a->setDuration(transitionMs);
        a->setEasingCurve(QEasingCurve::OutCubic);
        animation_->addAnimation(a);
    }
    animation_->start();
}

bool NavigationStack::isTransitioning() const {
    return animation_->state() == QAbstractAnimation::Running;
}

void NavigationStack::finishTransition() {
    if (!running_.incoming) {
        return;
    }
    Slide s = std::exchange(running_, Slide{});
    animation_->stop();
    animation_->clear();
    s.incoming->move(0, 0);
    s.outgoing->move(s.outgoingEnd);
    s.done();
}

Screen* NavigationStack::top() const {
    return screens_.isEmpty() ? nullptr : screens_.last().data();
}

QList<Screen*> NavigationStack::screens() const {
    QList<Screen*> list;
    for (const auto& s : screens_) {
        list.append(s.data());
    }
    return list;
}

int NavigationStack::count() const {
    return int(screens_.size());
}

void NavigationStack::setAppearing(bool appearing) {
    if (appearing == appearing_) {
        return;
    }
    appearing_ = appearing;
    if (Screen* screen = top()) {
        appearing ? Lifecycle::willAppear(screen) : Lifecycle::willDisappear(screen);
    }
}

void NavigationStack::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    finishTransition();
    for (const auto& s : screens_) {
        s->resize(size());
    }
}

// The swipe watches the application's mouse events because a press on a button inside the
// screen never reaches the screen itself.
bool NavigationStack::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            return handleSwipe(widget, event);
        }
        return false;
    default:
        return false;
    }
}

bool NavigationStack::handleSwipe(QWidget* target, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->globalPosition();
    if (event->type() == QEvent::MouseButtonPress) {
        Screen* screen = top();
        const bool onPushedScreen = count() > 1 && !isTransitioning() && screen->isVisible() &&
                                    (screen == target || screen->isAncestorOf(target));
        if (swipe_ == Swipe::Idle && onPushedScreen && mouse->button() == Qt::LeftButton) {
            swipe_ = Swipe::Pending;
            swipeStart_ = at;
            pressTarget_ = target;
        }
        return false;
    }
    if (swipe_ == Swipe::Idle) {
        return false;
    }
    const int dx = qRound(at.x() - swipeStart_.x());
    const int dy = qRound(at.y() - swipeStart_.y());
    if (event->type() == QEvent::MouseMove) {
        if (swipe_ == Swipe::Pending) {
            if (dx > swipeSlop && dx > 2 * qAbs(dy)) {
                swipe_ = Swipe::Dragging;
                swipeBegan();
            } else if (qAbs(dy) > swipeSlop || -dx > swipeSlop) {
                swipe_ = Swipe::Idle;
            }
            return swipe_ == Swipe::Dragging;
        }
        swipeMoved(dx);
        return true;
    }
    const bool dragging = swipe_ == Swipe::Dragging;
    swipe_ = Swipe::Idle;
    if (dragging) {
        swipeEnded(dx);
    }
    return dragging;
}

void NavigationStack::swipeBegan() {
    cancelPress();
    showBeneathTop(QPoint(beneathOffset(width()), 0));
}

void NavigationStack::swipeMoved(int dx) {
    const int x = qBound(0, dx, width());
    top()->move(x, 0);
    showBeneathTop(QPoint(beneathOffset(width()) + x / 3, 0));
}

void NavigationStack::swipeEnded(int dx) {
    if (dx > width() / 4) {
        pop(true);
        return;
    }
    Screen* screen = top();
    Screen* beneath = screens_.at(count() - 2);
    slide({screen, beneath, QPoint(beneathOffset(width()), 0), [beneath] { beneath->hide(); }},
          true);
}

void NavigationStack::showBeneathTop(QPoint at) {
    Screen* beneath = screens_.at(count() - 2);
    beneath->move(at);
    beneath->stackUnder(top());
    beneath->show();
}

// The finger turned into a swipe: whatever it pressed must not click on release.
void NavigationStack::cancelPress() {
    if (auto* button = qobject_cast<QAbstractButton*>(pressTarget_.data())) {
        button->setDown(false);
    }
    pressTarget_.clear();
}
