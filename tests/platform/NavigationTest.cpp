// Mouse events go through the window system, as a finger's would.
#define QTEST_QPA_MOUSE_HANDLING

#include "Printers.h"
#include "platform/NavigationStack.h"
#include "platform/PhoneWindow.h"
#include "platform/Screen.h"
#include "platform/TabContainer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
class RecordingScreen : public Screen {
public:
    RecordingScreen(const QString& name, QStringList& log) : name_(name), log_(log) {
        setObjectName(name);
    }
    ~RecordingScreen() override { log_ << name_ + ":destroyed"; }

protected:
    void viewDidLoad() override { log_ << name_ + ":load"; }
    void viewWillAppear() override { log_ << name_ + ":appear"; }
    void viewWillDisappear() override { log_ << name_ + ":disappear"; }

private:
    QString name_;
    QStringList& log_;
};

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<PhoneWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    RecordingScreen* screen(const QString& name) { return new RecordingScreen(name, log); }

    NavigationStack* stackWith(const QString& first) { return new NavigationStack(screen(first)); }

    // Ends the slide and lets the popped screens go.
    static void settle(NavigationStack* stack) {
        stack->finishTransition();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList takeLog() { return std::exchange(log, {}); }

    QStringList log; // declared first: it outlives the screens
    std::unique_ptr<PhoneWindow> window;
};
} // namespace

TEST_F(NavigationTest, LifecycleThroughPushAndPop) {
    NavigationStack* stack = stackWith("A");
    EXPECT_TRUE(takeLog().isEmpty());
    window->setRoot(stack);
    EXPECT_EQ(takeLog(), (QStringList{"A:load", "A:appear"}));

    stack->push(screen("B"));
    EXPECT_EQ(takeLog(), (QStringList{"B:load", "A:disappear", "B:appear"}));
    stack->push(screen("C"));
    EXPECT_EQ(takeLog(), (QStringList{"C:load", "B:disappear", "C:appear"}));

    stack->pop();
    EXPECT_EQ(takeLog(), (QStringList{"C:disappear", "B:appear"}));
    settle(stack);
    EXPECT_EQ(takeLog(), QStringList{"C:destroyed"});

    stack->push(screen("D"));
    takeLog();
    stack->popToRoot();
    EXPECT_EQ(takeLog(), (QStringList{"D:disappear", "A:appear"}));
    settle(stack);
    EXPECT_EQ(takeLog(), (QStringList{"B:destroyed", "D:destroyed"}));
    EXPECT_EQ(stack->count(), 1);
    EXPECT_EQ(stack->top()->objectName(), "A");

    stack->pop();
    EXPECT_TRUE(takeLog().isEmpty());
}

TEST_F(NavigationTest, LifecycleThroughTabSwitches) {
    auto* tabs = new TabContainer;
    tabs->addStack(stackWith("home"));
    tabs->addStack(stackWith("messages"));
    window->setRoot(tabs);
    EXPECT_EQ(takeLog(), (QStringList{"home:load", "home:appear"}));

    tabs->setCurrentIndex(1);
    EXPECT_EQ(takeLog(), (QStringList{"home:disappear", "messages:load", "messages:appear"}));
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(takeLog().isEmpty());

    tabs->currentStack()->push(screen("detail"));
    takeLog();
    tabs->setCurrentIndex(0);
    EXPECT_EQ(takeLog(), (QStringList{"detail:disappear", "home:appear"}));
    tabs->setCurrentIndex(1);
    EXPECT_EQ(takeLog(), (QStringList{"home:disappear", "detail:appear"}));

    window->setRoot(new QWidget);
    EXPECT_EQ(takeLog(), QStringList{"detail:disappear"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(takeLog(), (QStringList{"home:destroyed", "messages:destroyed", "detail:destroyed"}));
}

TEST_F(NavigationTest, ScreensNeverShownAreNotLoaded) {
    auto* tabs = new TabContainer;
    tabs->addStack(stackWith("home"));
    tabs->addStack(stackWith("later"));
    window->setRoot(tabs);
    EXPECT_EQ(takeLog(), (QStringList{"home:load", "home:appear"}));
    EXPECT_FALSE(tabs->stacks().at(1)->top()->isViewLoaded());
}

TEST_F(NavigationTest, PushedScreensHideTheTabBarUntilBackAtTheRoot) {
    auto* tabs = new TabContainer;
    NavigationStack* stack = stackWith("home");
    tabs->addStack(stack);
    tabs->addStack(stackWith("messages"));
    auto* custom = new QLabel(QStringLiteral("店铺  消息  个人"));
    tabs->setTabBarView(custom);
    window->setRoot(tabs);

    EXPECT_FALSE(tabs->isTabBarHidden());
    EXPECT_EQ(tabs->tabBar()->geometry(), QRect(0, 667 - 49, 375, 49));
    EXPECT_EQ(custom->parentWidget(), tabs->tabBar());
    EXPECT_EQ(custom->geometry(), QRect(0, 0, 375, 49));

    stack->push(screen("orders"));
    EXPECT_TRUE(stack->top()->hidesTabBar());
    EXPECT_TRUE(tabs->isTabBarHidden());
    stack->push(screen("order"));
    EXPECT_TRUE(tabs->isTabBarHidden());

    tabs->setCurrentIndex(1);
    EXPECT_FALSE(tabs->isTabBarHidden());
    tabs->setCurrentIndex(0);
    EXPECT_TRUE(tabs->isTabBarHidden());

    stack->pop();
    EXPECT_TRUE(tabs->isTabBarHidden());
    stack->pop();
    EXPECT_FALSE(tabs->isTabBarHidden());
    EXPECT_FALSE(stack->top()->hidesTabBar());
}

TEST_F(NavigationTest, PushIsAnimatedEvenWhenAskedNotToBe) {
    NavigationStack* stack = stackWith("A");
    window->setRoot(stack);
    Screen* b = screen("B");
    stack->push(b, false);
    EXPECT_TRUE(stack->lastTransitionAnimated());
    EXPECT_TRUE(stack->isTransitioning());
    EXPECT_EQ(stack->top(), b);
    EXPECT_EQ(stack->count(), 2);
    EXPECT_GT(b->x(), 0);
    settle(stack);
    EXPECT_EQ(b->pos(), QPoint(0, 0));
    EXPECT_FALSE(stack->screens().first()->isVisible());

    stack->pop(false);
    EXPECT_FALSE(stack->lastTransitionAnimated());
    EXPECT_FALSE(stack->isTransitioning());
    EXPECT_EQ(stack->count(), 1);
}

TEST_F(NavigationTest, PushDuringASlideFinishesTheSlideFirst) {
    NavigationStack* stack = stackWith("A");
    window->setRoot(stack);
    stack->push(screen("B"));
    stack->push(screen("C"));
    settle(stack);
    const QList<Screen*> screens = stack->screens();
    ASSERT_EQ(screens.size(), 3);
    EXPECT_FALSE(screens.at(0)->isVisible());
    EXPECT_FALSE(screens.at(1)->isVisible());
    EXPECT_TRUE(screens.at(2)->isVisible());
    EXPECT_EQ(screens.at(2)->pos(), QPoint(0, 0));
}

namespace {
struct SwipeCase {
    const char* name;
    QPoint travel;
    bool pops;
};

void PrintTo(const SwipeCase& c, std::ostream* os) {
    *os << c.name;
}

class SwipeTest : public NavigationTest, public ::testing::WithParamInterface<SwipeCase> {};

// Drags from a button on the pushed screen, as a finger starting anywhere on it would. The
// points are the window's: the button moves with the screen under the finger.
void drag(QWidget* from, QPoint travel) {
    QWidget* window = from->window();
    const QPoint start = from->mapTo(window, from->rect().center());
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(window, start + travel * step / 4);
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, start + travel);
}
} // namespace

TEST_P(SwipeTest, SwipeOnAPushedScreen) {
    NavigationStack* stack = stackWith("A");
    window->setRoot(stack);
    Screen* pushed = screen("B");
    auto* button = new QPushButton(QStringLiteral("发货"), pushed);
    button->setGeometry(40, 300, 120, 44);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    stack->push(pushed);
    settle(stack);

    drag(button, GetParam().travel);
    settle(stack);
    EXPECT_EQ(stack->count(), GetParam().pops ? 1 : 2);
    EXPECT_EQ(clicks, 0);
    if (!GetParam().pops) {
        EXPECT_EQ(pushed->pos(), QPoint(0, 0));
        EXPECT_FALSE(stack->screens().first()->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Swipes, SwipeTest,
                         ::testing::Values(SwipeCase{"RightwardPops", {200, 10}, true},
                                           SwipeCase{"ShortSnapsBack", {60, 0}, false},
                                           SwipeCase{"LeftwardIgnored", {-200, 0}, false},
                                           SwipeCase{"VerticalIgnored", {30, 200}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationTest, SwipeOnTheFirstScreenDoesNothingAndTapsStillClick) {
    Screen* first = screen("A");
    auto* button = new QPushButton(QStringLiteral("订单"), first);
    button->setGeometry(40, 300, 120, 44);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    auto* stack = new NavigationStack(first);
    window->setRoot(stack);

    drag(button, QPoint(200, 0));
    EXPECT_EQ(stack->count(), 1);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST_F(NavigationTest, ReplacingTheRootFromInsideTheOldRootIsSafe) {
    Screen* signIn = screen("signIn");
    auto* button = new QPushButton(QStringLiteral("登录"), signIn);
    button->setGeometry(40, 300, 120, 44);
    window->setRoot(new NavigationStack(signIn));
    QObject::connect(button, &QPushButton::clicked,
                     [this] { window->setRoot(new NavigationStack(screen("home"))); });
    takeLog();

    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(takeLog(),
              (QStringList{"signIn:disappear", "home:load", "home:appear", "signIn:destroyed"}));
}

namespace {
// Lays out a label it builds when loaded, as screens do.
class LayingOutScreen : public Screen {
public:
    QLabel* label = nullptr;
    QList<QSize> layouts; // the screen's size at each layout

protected:
    void viewDidLoad() override { label = new QLabel(this); }
    void layoutContent() override {
        label->setGeometry(0, 0, width(), 20);
        layouts << size();
    }
};
} // namespace

TEST_F(NavigationTest, AScreenLaysOutOnceLoadedAndAtEveryResizeAfter) {
    auto* screen = new LayingOutScreen;
    screen->resize(100, 100);
    EXPECT_TRUE(screen->layouts.isEmpty()) << "nothing is laid out before the screen is loaded";
    window->setRoot(new NavigationStack(screen));
    ASSERT_FALSE(screen->layouts.isEmpty());
    EXPECT_EQ(screen->layouts.last(), screen->size()) << "laid out at the size it is shown at";
    EXPECT_EQ(screen->label->width(), screen->width());
    screen->resize(320, 480);
    EXPECT_EQ(screen->layouts.last(), screen->size());
    EXPECT_EQ(screen->label->width(), 320);
}
