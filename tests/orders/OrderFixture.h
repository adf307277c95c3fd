#pragma once

#include "app/KQSBaesVC.h"
#include "app/KQSNavigtionVC.h"
#include "platform/NavigationStack.h"
#include "platform/PhoneWindow.h"
#include "support/ServiceFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <memory>

// Builders of service payloads shaped as the shop service sends them.
namespace Payload {

inline QJsonObject item(const QString& name, double price, int quantity = 1,
                        const QString& specKey = QStringLiteral("颜色=红,尺码=XL")) {
    return QJsonObject{{"item_id", "9" + name},  {"spec_key", specKey},
                       {"name", name},           {"img", ""},
                       {"price", price},         {"quantity", quantity},
                       {"discount_amount", 1.5}, {"amount", price * quantity}};
}

inline QJsonObject history(const QString& status, qint64 posttimeMs, qint64 expiryMs = 0) {
    QJsonObject entry{{"status", status}, {"posttime", QString::number(posttimeMs)}};
    if (expiryMs) {
        entry.insert("expiry_time", QString::number(expiryMs));
    }
    return entry;
}

inline QJsonObject order(const QString& id, const QString& status, int items = 1,
                         double totalCost = 5) {
    QJsonArray list;
    for (int i = 0; i < items; ++i) {
        list.append(item(QStringLiteral("商品%1-%2").arg(id).arg(i), 12.5 + i));
    }
    return QJsonObject{
        {"order_id", id},
        {"item_list", list},
        {"total_cost", totalCost},
        {"amount", 42.0},
        {"status", status},
        {"source", "Facebook"},
        {"address", QJsonObject{{"name", "Alice"},
                                {"telephone", "+1 555 0100"},
                                {"detail_address", "1 Market Street"},
                                {"detail_address2", "Suite 5"}}},
        {"buyer", QJsonObject{{"uid", "7"}, {"nickname", "alice88"}}},
        {"message", ""},
        {"status_list", QJsonArray{}},
        {"waybill", QJsonObject{}},
    };
}

inline QByteArray envelope(const QJsonValue& data) {
    return QJsonDocument(QJsonObject{{"status", "success"}, {"data", data}}).toJson();
}

inline QByteArray page(const QJsonArray& orders) {
    return envelope(QJsonObject{{"list", orders}, {"total", orders.size()}});
}

inline QByteArray failure(const QString& message) {
    return QJsonDocument(QJsonObject{{"status", "error"}, {"message", message}}).toJson();
}

} // namespace Payload

// A phone window whose root is a navigation stack, on a scripted service.
class OrderScreenFixture : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        window = std::make_unique<PhoneWindow>();
        root = new KQSBaesVC;
        navigation = new KQSNavigtionVC(root);
        window->setRoot(navigation);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
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

    // Waits until the peer saw n requests in all and their replies were handled.
    void settle(int n) {
        ASSERT_TRUE(peer.waitForRequests(n)) << "requests seen: " << peer.requests().size();
        QTest::qWait(60);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    PeerRequest last() const { return peer.requests().last(); }

    // Saves the window as $ORDERS_SHOT_DIR/<name>.png when that folder is given, for looking.
    void shoot(const QString& name) {
        const QString folder = qEnvironmentVariable("ORDERS_SHOT_DIR");
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
