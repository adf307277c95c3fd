#pragma once

#include "app/AppDelegate.h"
#include "app/DemoService.h"
#include "app/KQSLoginVC.h"
#include "app/KQSRootVC.h"
#include "platform/Clock.h"
#include "platform/NavigationStack.h"
#include "support/ScreenFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The client against the real shop service: a demo shop in a temporary folder, the client's
// documents and defaults in another, and a phone window launched as the owner launches it.
class E2EFixture : public ScreenFixture {
protected:
    static constexpr const char* kMobile = "13800138000";
    static constexpr const char* kPassword = "shop1234";

    void SetUp() override {
        ScreenFixture::SetUp();
        ASSERT_TRUE(shopFolder.isValid());
        // The shop service keeps the real time; the client's clock starts there and stands
        // still unless a test moves it, so toasts stay until they are looked at.
        Clock::useTestClock(QDateTime::currentDateTime());
        startService();
    }

    void TearDown() override {
        closeApp();
        service.reset();
        ScreenFixture::TearDown();
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
        openWindow();
        app = std::make_unique<AppDelegate>(window.get());
        app->didFinishLaunching();
    }

    void closeApp() {
        if (!app) {
            return;
        }
        EXPECT_TRUE(settle());
        app.reset();
        closeWindow();
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
        EXPECT_TRUE(settle());
    }

    // The service and the client share the machine with other tests: give them time.
    template <class F> static bool waitUntil(F condition, int timeoutMs = 15000) {
        return QTest::qWaitFor(condition, timeoutMs);
    }

    bool showsSignIn() const {
        auto* stack = window ? qobject_cast<NavigationStack*>(window->root()) : nullptr;
        return stack && stack->top() == KQSLoginVC::login();
    }
    KQSRootVC* tabs() const { return window ? qobject_cast<KQSRootVC*>(window->root()) : nullptr; }

    QTemporaryDir shopFolder;
    std::unique_ptr<DemoService> service;
    std::unique_ptr<AppDelegate> app;
};
