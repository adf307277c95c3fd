#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QParallelAnimationGroup;
class Screen;

// A stack of screens, the top one shown. Pushes always slide in, whatever the caller asks;
// the stack's state (top, count, lifecycle calls) is up to date as soon as push or pop returns,
// only the pictures move afterwards. A rightward swipe that starts anywhere on a pushed screen
// pops it.
class NavigationStack : public QWidget {
    Q_OBJECT
public:
    static constexpr int transitionMs = 300;

    explicit NavigationStack(Screen* first, QWidget* parent = nullptr);
    ~NavigationStack() override;

    // Takes ownership. Every screen after the first hides the tab bar.
    void push(Screen* screen, bool animated = true);
    // The popped screens are deleted once out of sight.
    void pop(bool animated = true);
    void popToRoot(bool animated = true);

    Screen* top() const;
    QList<Screen*> screens() const;
    int count() const;

    bool lastTransitionAnimated() const { return lastAnimated_; }
    bool isTransitioning() const;
    // Jumps to the end of a running slide.
    void finishTransition();

signals:
    void topChanged(Screen* top);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class Lifecycle;
    void setAppearing(bool appearing);

    struct Slide {
        Screen* incoming = nullptr;
        Screen* outgoing = nullptr;
        QPoint outgoingEnd;
        std::function<void()> done;
    };
    void popTo(int index, bool animated);
    void slide(Slide slide, bool animated);
    void showBeneathTop(QPoint at);

    bool handleSwipe(QWidget* target, QEvent* event);
    void swipeBegan();
    void swipeMoved(int dx);
    void swipeEnded(int dx);
    void cancelPress();

    QList<QPointer<Screen>> screens_;
    bool appearing_ = false;
    bool lastAnimated_ = false;
    QParallelAnimationGroup* animation_ = nullptr;
    Slide running_;

    enum class Swipe { Idle, Pending, Dragging };
    Swipe swipe_ = Swipe::Idle;
    QPointF swipeStart_;
    QPointer<QWidget> pressTarget_;
};
