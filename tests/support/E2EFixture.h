#pragma once

#include "app/AppDelegate.h"
#include "app/DemoService.h"
#include "app/KQSLoginVC.h"
#include "app/KQSRootVC.h"
#include "platform/ActivityOverlay.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/Documents.h"
#include "platform/ImageLoader.h"
#include "platform/NavigationStack.h"
#include "platform/PhoneWindow.h"
#include "platform/Toast.h"
#include "service/KQHttpClient.h"
#include "service/KQRequest.h"
#include "service/ServiceConfig.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The client against the real shop service: a demo shop in a temporary folder, the client's
// documents and defaults in another, and a phone window launched as the owner launches it.
class E2EFixture : public ::testing::Test {
protected:
    static constexpr const char* kMobile = "13800138000";
    static constexpr const char* kPassword = "shop1234";

    void SetUp() override {
        ASSERT_TRUE(clientFolder.isValid() && shopFolder.isValid());
        Documents::redirectTo(clientFolder.path());
        Defaults::redirectTo(clientFolder.path());
        KQHttpClient::cookieStore()->setAllCookies({});
        // Time stands still unless a test moves it, so toasts stay until they are looked at.
        Clock::useTestClock(QDateTime::currentDateTime());
        startService();
    }

    void TearDown() override {
        closeApp();
        service.reset();
        Clock::advance(2 * Toast::durationMs);
        Clock::useRealClock();
        ServiceConfig::reset();
        KQHttpClient::cookieStore()->setAllCookies({});
        Documents::redirectTo(QString());
        Defaults::redirectTo(QString());
    }

    void startService() {
        qputenv("SHOP_SERVICE_BIN", SHOP_SERVICE_BINARY);
        service = std::make_unique<DemoService>();
        ASSERT_EQ(service->start(shopFolder.path(), false), QString());
    }

    void stopService() { service.reset(); }

    // A launch: a new window and delegate, as after starting the program.
    void launch() {
        closeApp();
        window = std::make_unique<PhoneWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        app = std::make_unique<AppDelegate>(window.get());
        app->didFinishLaunching();
    }

    void closeApp() {
        if (!window) {
            return;
        }
        settle();
        // The shared sign-in screen outlives every window.
        KQSLoginVC::login()->hide();
        KQSLoginVC::login()->setParent(nullptr);
        app.reset();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Signs in through the sign-in screen as the owner types it.
    void signIn(const QString& mobile = kMobile, const QString& password = kPassword) {
        KQSLoginVC* login = KQSLoginVC::login();
        QTest::mouseClick(login->userIdField, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClicks(login->userIdField, mobile);
        QTest::mouseClick(login->passwordField, Qt::LeftButton, {}, QPoint(5, 5));
        login->passwordField->clear(); // what an earlier sign-in in this process left there
        QTest::keyClicks(login->passwordField, password);
        QTest::mouseClick(login->loginBtn, Qt::LeftButton);
        settle();
    }

    bool showsSignIn() const {
        auto* stack = window ? qobject_cast<NavigationStack*>(window->root()) : nullptr;
        return stack && stack->top() == KQSLoginVC::login();
    }
    KQSRootVC* tabs() const { return window ? qobject_cast<KQSRootVC*>(window->root()) : nullptr; }

    // Runs the event loop until every request and picture in flight is answered.
    static void settle(int timeoutMs = 15000) {
        waitUntil(
            [] {
                return KQRequest::openCount() == 0 && !ActivityOverlay::isShown() &&
                       ImageLoader::shared()->requestsInFlight() == 0;
            },
            timeoutMs);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 15000) {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMs) {
                return false;
            }
            QTest::qWait(10);
        }
        return true;
    }

    QTemporaryDir clientFolder;
    QTemporaryDir shopFolder;
    std::unique_ptr<DemoService> service;
    std::unique_ptr<PhoneWindow> window;
    std::unique_ptr<AppDelegate> app;
};
