// Mouse events go through the window system, so they land on whatever lies on top.
#define QTEST_QPA_MOUSE_HANDLING

#include "Printers.h"
#include "platform/ActivityOverlay.h"
#include "platform/Assets.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/Documents.h"
#include "platform/Keyboard.h"
#include "platform/NotificationCenter.h"
#include "platform/PhoneWindow.h"
#include "platform/Toast.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<PhoneWindow> shownWindow() {
    auto window = std::make_unique<PhoneWindow>();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

class ToastTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::useTestClock(QDateTime::currentDateTime()); }
    void TearDown() override {
        Clock::advance(Toast::durationMs);
        Clock::useRealClock();
    }
};
} // namespace

TEST_F(ToastTest, EachToastIsGoneOneSecondAfterItAppeared) {
    auto window = shownWindow();
    Toast::showError(QStringLiteral("请检查网络连接"));
    Clock::advance(400);
    Toast::showSuccess(QStringLiteral("保存成功"));
    EXPECT_EQ(Toast::visibleTexts(), (QStringList{"请检查网络连接", "保存成功"}));
    EXPECT_EQ(window->findChildren<QWidget*>("toast").size(), 2);

    Clock::advance(599);
    EXPECT_EQ(Toast::visibleTexts().size(), 2);
    Clock::advance(1);
    EXPECT_EQ(Toast::visibleTexts(), QStringList{"保存成功"});
    Clock::advance(400);
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->findChildren<QWidget*>("toast").isEmpty());
}

TEST_F(ToastTest, TextsAreRecordedWithoutAnyWindow) {
    ASSERT_EQ(PhoneWindow::current(), nullptr);
    Toast::showMessage(QStringLiteral("删除成功"));
    EXPECT_EQ(Toast::visibleTexts(), QStringList{"删除成功"});
    Clock::advance(Toast::durationMs);
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
}

TEST_F(ToastTest, ClosingTheWindowUnderAToastIsHarmless) {
    auto window = shownWindow();
    Toast::showError(QStringLiteral("x"));
    window.reset();
    Clock::advance(Toast::durationMs);
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
}

TEST(PhoneWindowTest, ReportsTheFirstFrameOnceEvenUnderAnOpaqueRoot) {
    PhoneWindow window(QSize(320, 568));
    auto* root = new QWidget;
    root->setAutoFillBackground(true);
    window.setRoot(root);
    QSignalSpy frames(&window, &PhoneWindow::firstFramePainted);
    window.show();
    ASSERT_TRUE(frames.wait(5000));
    EXPECT_EQ(root->geometry(), QRect(0, 0, 320, 568));
    window.hide();
    window.show();
    QTest::qWait(50);
    EXPECT_EQ(frames.size(), 1);

    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(window.saveScreenshot(dir.filePath("frame.png"), error));
    EXPECT_EQ(QImage(dir.filePath("frame.png")).size(), QSize(320, 568));
    EXPECT_FALSE(window.saveScreenshot(dir.filePath("missing/frame.png"), error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ActivityOverlayTest, SwallowsClicksWhileShown) {
    auto window = shownWindow();
    auto* root = new QWidget;
    auto* button = new QPushButton(QStringLiteral("确定"), root);
    button->setGeometry(100, 300, 175, 44);
    window->setRoot(root);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });

    ActivityOverlay::show();
    EXPECT_TRUE(ActivityOverlay::isShown());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);

    ActivityOverlay::hide();
    EXPECT_FALSE(ActivityOverlay::isShown());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks, 1);
}

TEST(ActivityOverlayTest, KeepsItsStateWithoutAWindow) {
    ASSERT_EQ(PhoneWindow::current(), nullptr);
    ActivityOverlay::show();
    EXPECT_TRUE(ActivityOverlay::isShown());
    ActivityOverlay::hide();
    EXPECT_FALSE(ActivityOverlay::isShown());
}

TEST(DefaultsTest, ValuesSurviveANewStoreInstance) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Defaults::redirectTo(dir.path());
    const QVariantList categories{QVariantMap{{"id", 7}, {"name", "鞋"}}};
    Defaults::setValue("shopName", QStringLiteral("小店"));
    Defaults::setValue("GoodsCategory", categories);
    Defaults::setValue("userMoney", 12.5);
    Defaults::setValue("gone", 1);
    Defaults::remove("gone");

    Defaults::redirectTo(dir.path());
    EXPECT_EQ(Defaults::value("shopName").toString(), QStringLiteral("小店"));
    EXPECT_EQ(Defaults::value("GoodsCategory").toList(), categories);
    EXPECT_DOUBLE_EQ(Defaults::value("userMoney").toDouble(), 12.5);
    EXPECT_FALSE(Defaults::contains("gone"));
    EXPECT_FALSE(Defaults::value("gone").isValid());
    EXPECT_TRUE(QFile::exists(dir.filePath("defaults.ini")));
    Defaults::redirectTo({});
}

TEST(DocumentsTest, RedirectedFolderHoldsTheFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("documents");
    Documents::redirectTo(folder);
    EXPECT_EQ(Documents::filePath("account.data"), folder + "/account.data");
    EXPECT_TRUE(QDir(folder).exists());
    Documents::redirectTo({});
}

TEST(NotificationCenterTest, DeliversUntilStoppedOrOwnerGone) {
    const QString name = QStringLiteral("notificationOrderSendGoods");
    auto owner = std::make_unique<QObject>();
    QObject keeper;
    int ownerCalls = 0;
    int keeperCalls = 0;
    int otherCalls = 0;
    NotificationCenter::observe(name, owner.get(), [&] { ++ownerCalls; });
    const auto token = NotificationCenter::observe(name, &keeper, [&] { ++keeperCalls; });
    NotificationCenter::observe(QStringLiteral("notificationPaymentTimeOver"), &keeper,
                                [&] { ++otherCalls; });

    NotificationCenter::post(name);
    EXPECT_EQ(ownerCalls, 1);
    EXPECT_EQ(keeperCalls, 1);
    EXPECT_EQ(otherCalls, 0);

    owner.reset();
    NotificationCenter::stopObserving(token);
    NotificationCenter::post(name);
    EXPECT_EQ(ownerCalls, 1);
    EXPECT_EQ(keeperCalls, 1);
    EXPECT_EQ(NotificationCenter::observerCount(name), 0);
    NotificationCenter::stopObserving(&keeper);
}

TEST(NotificationCenterTest, ObserverDestroyedByAnEarlierObserverIsNotCalled) {
    const QString name = QStringLiteral("notificationPaymentTimeOver");
    QObject first;
    auto second = std::make_unique<QObject>();
    int secondCalls = 0;
    NotificationCenter::observe(name, &first, [&] { second.reset(); });
    NotificationCenter::observe(name, second.get(), [&] { ++secondCalls; });
    NotificationCenter::post(name);
    EXPECT_EQ(secondCalls, 0);
    NotificationCenter::stopObserving(&first);
}

TEST(AssetsTest, KnownNamesDrawAtTheirSizeAndMissingOnesAreEmpty) {
    const QPixmap back = Assets::image(QStringLiteral("iconfont-back"));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.deviceIndependentSize().toSize(), QSize(22, 22));
    EXPECT_EQ(back.size(), QSize(22, 22) * back.devicePixelRatio());
    EXPECT_EQ(Assets::image(QStringLiteral("iconfont-back"), QSize(44, 44))
                  .deviceIndependentSize()
                  .toSize(),
              QSize(44, 44));
    EXPECT_FALSE(Assets::icon(QStringLiteral("iconfont-back")).isNull());

    for (const QString& name : {QString(), QStringLiteral("no-such-picture"),
                                QStringLiteral("../images/iconfont-back")}) {
        EXPECT_TRUE(Assets::image(name).isNull()) << qPrintable(name);
        EXPECT_TRUE(Assets::icon(name).isNull()) << qPrintable(name);
    }
}

TEST(KeyboardTest, RisesForATextFieldAndFallsWhenNoneHasFocus) {
    auto window = shownWindow();
    auto* root = new QWidget;
    auto* field = new QLineEdit(root);
    auto* button = new QPushButton(QStringLiteral("登录"), root);
    button->setGeometry(0, 100, 100, 44);
    window->setRoot(root);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    Keyboard* keyboard = Keyboard::instance();
    QSignalSpy frames(keyboard, &Keyboard::willChangeFrame);
    QSignalSpy rises(keyboard, &Keyboard::risen);
    QSignalSpy falls(keyboard, &Keyboard::fallen);

    field->setFocus();
    ASSERT_TRUE(keyboard->isRisen());
    EXPECT_EQ(rises.size(), 1);
    EXPECT_EQ(frames.last().at(0).toRect(),
              QRect(0, 667 - Keyboard::height, 375, Keyboard::height));

    button->setFocus();
    EXPECT_FALSE(keyboard->isRisen());
    EXPECT_EQ(falls.size(), 1);
    EXPECT_EQ(frames.last().at(0).toRect().top(), 667);

    field->setFocus();
    field->clearFocus();
    EXPECT_EQ(rises.size(), 2);
    EXPECT_EQ(falls.size(), 2);
}
