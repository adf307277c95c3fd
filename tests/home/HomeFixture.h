#pragma once

#include "app/KQSNavigtionVC.h"
#include "platform/PhoneWindow.h"
#include "support/ServiceFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <memory>

// A phone window whose root is a navigation stack around the screen under test, on a
// scripted service.
class HomeFixture : public ServiceFixture {
public:
    static PeerReply success(const QJsonObject& data) {
        return PeerReply::json(
            QJsonDocument(QJsonObject{{"status", "success"}, {"data", data}}).toJson());
    }

protected:
    void TearDown() override {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ServiceFixture::TearDown();
    }

    template <class S> S* open(S* screen) {
        window = std::make_unique<PhoneWindow>();
        stack = new KQSNavigtionVC(screen);
        window->setRoot(stack);
        window->show();
        return screen;
    }

    // Spins the event loop until done() holds or the time is up.
    template <class F> static bool waitFor(F done, int timeoutMs = 5000) {
        return QTest::qWaitFor(done, timeoutMs);
    }

    static PeerReply refused(const QByteArray& message) {
        return PeerReply::json(R"({"status":"error","message":")" + message + "\"}");
    }

    std::unique_ptr<PhoneWindow> window;
    KQSNavigtionVC* stack = nullptr;
};
