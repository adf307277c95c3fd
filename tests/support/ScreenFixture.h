#pragma once

#include "app/KQSBaesVC.h"
#include "app/KQSLoginVC.h"
#include "app/KQSNavigtionVC.h"
#include "platform/NavigationStack.h"
#include "platform/PhoneWindow.h"
#include "support/ServiceFixture.h"
#include "support/TimeZoneGuard.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTest>
#include <memory>
#include <optional>

// The envelopes the service answers with.
namespace Envelope {

inline QByteArray success(const QJsonValue& data = QJsonObject{}) {
    return QJsonDocument(QJsonObject{{"status", "success"}, {"data", data}}).toJson();
}

// A page of a list: "data" -> "list".
inline QByteArray page(const QJsonArray& list) {
    return success(QJsonObject{{"list", list}, {"total", list.size()}});
}

inline QByteArray failure(const QString& message) {
    return QJsonDocument(QJsonObject{{"status", "error"}, {"message", message}}).toJson();
}

} // namespace Envelope

// Screens in a shown phone window, on a scripted service, in a fixed time zone (UTC unless the
// test picks another). The window starts with a navigation stack around a plain first screen,
// onto which screens are pushed as the owner reaches them; open() starts a stack of its own.
class ScreenFixture : public ServiceFixture {
public:
    static PeerReply success(const QJsonObject& data = {}) {
        return PeerReply::json(Envelope::success(data));
    }
    static PeerReply refused(const QString& message) {
        return PeerReply::json(Envelope::failure(message));
    }

protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        openWindow();
        open(new KQSBaesVC);
    }

    void TearDown() override {
        closeWindow();
        zone.reset();
        ServiceFixture::TearDown();
    }

    // Replaces the window's root by a new navigation stack whose first screen is screen.
    template <class S> S* open(S* screen) {
        navigation = new KQSNavigtionVC(screen);
        root = screen;
        window->setRoot(navigation);
        QCoreApplication::processEvents();
        return screen;
    }

    // Pushes screen as the owner would reach it and waits for the slide to end.
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

    Screen* top() const { return navigation ? navigation->top() : nullptr; }
    // The last request the peer received.
    PeerRequest last() const { return peer.requests().last(); }
    // Every request to path the peer received, in order.
    QList<PeerRequest> requestsTo(const QByteArray& path) const {
        QList<PeerRequest> found;
        for (const PeerRequest& request : peer.requests()) {
            if (request.path == path) {
                found.append(request);
            }
        }
        return found;
    }
    template <class S> S* topAs() const { return qobject_cast<S*>(top()); }

    // Saves the window as $SHOT_DIR/<name>.png when that folder is given, for looking at it.
    void shoot(const QString& name) {
        const QString folder = qEnvironmentVariable("SHOT_DIR");
        if (!folder.isEmpty()) {
            QString error;
            EXPECT_TRUE(window->saveScreenshot(folder + "/" + name + ".png", error))
                << error.toStdString();
        }
    }

    // A new phone window, shown and active, instead of the one open so far.
    void openWindow() {
        closeWindow();
        window = std::make_unique<PhoneWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Closes the window and everything on it. The shared sign-in screen outlives every window,
    // so it is taken out first.
    void closeWindow() {
        if (!window) {
            return;
        }
        for (KQSLoginVC* login : window->findChildren<KQSLoginVC*>()) {
            login->hide();
            login->setParent(nullptr);
        }
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::optional<TimeZoneGuard> zone{std::in_place, "UTC"};
    std::unique_ptr<PhoneWindow> window;
    QPointer<KQSNavigtionVC> navigation;
    QPointer<KQSBaesVC> root;
};
