#pragma once

#include "app/KQSBaesVC.h"
#include "app/KQSNavigtionVC.h"
#include "platform/ActivityOverlay.h"
#include "platform/NavigationStack.h"
#include "platform/PhoneWindow.h"
#include "platform/Printers.h"
#include "service/KQRequest.h"
#include "support/ServiceFixture.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <functional>
#include <memory>

// Service payloads shaped as the shop service sends them.
namespace AddressPayload {

inline QJsonObject address(const QString& id, const QString& name, bool defaultReceive = false) {
    return QJsonObject{{"address_id", id},
                       {"name", name},
                       {"province_id", "330000"},
                       {"province_name", "浙江省"},
                       {"city_id", "330100"},
                       {"city_name", "杭州市"},
                       {"county", "西湖区"},
                       {"postcode", "310000"},
                       {"telephone", "13900139002"},
                       {"detail_address", "文三路90号东部软件园"},
                       {"default_receive", defaultReceive},
                       {"default_send", false}};
}

inline QByteArray envelope(const QJsonValue& data) {
    return QJsonDocument(QJsonObject{{"status", "success"}, {"data", data}}).toJson();
}

inline QByteArray failure(const QString& message) {
    return QJsonDocument(QJsonObject{{"status", "error"}, {"message", message}}).toJson();
}

} // namespace AddressPayload

// A phone window whose root is a navigation stack, on a scripted service.
class AddressScreenFixture : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        window = std::make_unique<PhoneWindow>();
        root = new KQSBaesVC;
        navigation = new KQSNavigtionVC(root);
        window->setRoot(navigation);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ServiceFixture::TearDown();
    }

    template <class S> S* push(S* screen) {
        navigation->pushViewController(screen, true);
        navigation->finishTransition();
        QCoreApplication::processEvents();
        return screen;
    }
    void pop() {
        navigation->popViewController(true);
        navigation->finishTransition();
        QCoreApplication::processEvents();
    }
    Screen* top() const { return navigation->top(); }

    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMs) {
                return false;
            }
            QTest::qWait(5);
        }
        return true;
    }
    // Waits until every request is answered and its reply handled.
    static void settle() {
        ASSERT_TRUE(waitUntil([] { return KQRequest::openCount() == 0; }));
        ASSERT_TRUE(waitUntil([] { return !ActivityOverlay::isShown(); }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QList<PeerRequest> requestsTo(const QByteArray& path) const {
        QList<PeerRequest> found;
        for (const PeerRequest& request : peer.requests()) {
            if (request.path == path) {
                found.append(request);
            }
        }
        return found;
    }

    // Saves the window as $ADDRESSES_SHOT_DIR/<name>.png when that folder is given, for looking.
    void shoot(const QString& name) {
        const QString folder = qEnvironmentVariable("ADDRESSES_SHOT_DIR");
        if (!folder.isEmpty()) {
            QString error;
            EXPECT_TRUE(window->saveScreenshot(folder + "/" + name + ".png", error))
                << error.toStdString();
        }
    }

    std::unique_ptr<PhoneWindow> window;
    KQSBaesVC* root = nullptr;
    KQSNavigtionVC* navigation = nullptr;
};
