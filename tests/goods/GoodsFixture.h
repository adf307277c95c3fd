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
#include <time.h>

// Every time in this program is shown eight hours east of GMT, so local time differs from UTC.
inline const bool kGoodsTimeZone = [] {
    qputenv("TZ", "CST-8");
    tzset();
    return true;
}();

// Builders of goods payloads shaped as the shop service sends them.
namespace GoodsJson {

inline QJsonObject category(const QString& id, const QString& name, const QString& parent = {}) {
    return QJsonObject{
        {"category_id", id}, {"parent_id", parent}, {"name", name}, {"posttime", "1463500000000"}};
}

inline QJsonObject goods(const QString& id, const QString& name = {}) {
    return QJsonObject{
        {"item_id", id},
        {"name", name.isEmpty() ? QStringLiteral("商品%1").arg(id) : name},
        {"img", ""},
        {"category_list", QJsonArray{category("11", "服装"), category("111", "女装", "11")}},
        {"price", 19.9},
        {"inventory", 12},
        {"sale_count", 3},
        {"lmodify", 86400000},
        {"posttime", "1463500000000"},
        {"published", "1"},
        {"to_facebook", false},
        {"gourp", ""}};
}

inline QJsonObject firstLevel(const QString& id, const QString& name, int children) {
    QJsonArray list;
    for (int k = 0; k < children; ++k) {
        list.append(
            category(id + QString::number(k + 1), QStringLiteral("%1%2").arg(name).arg(k + 1), id));
    }
    return QJsonObject{
        {"category_id", id}, {"name", name}, {"posttime", ""}, {"category_list", list}};
}

inline QJsonObject reply(const QJsonValue& data) {
    return QJsonObject{{"status", "success"}, {"data", data}};
}

inline QByteArray envelope(const QJsonValue& data) {
    return QJsonDocument(reply(data)).toJson();
}

inline QByteArray page(const QJsonArray& list) {
    return envelope(QJsonObject{{"list", list}, {"total", list.size()}});
}

inline QByteArray failure(const QString& message) {
    return QJsonDocument(QJsonObject{{"status", "error"}, {"message", message}}).toJson();
}

} // namespace GoodsJson

// A phone window whose root is a navigation stack, on a scripted service.
class GoodsScreenFixture : public ServiceFixture {
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
    Screen* top() const { return navigation->top(); }

    // Waits until the peer saw n requests in all and every reply was handled.
    void settleAfter(int n) {
        ASSERT_TRUE(peer.waitForRequests(n)) << "requests seen: " << peer.requests().size();
        ASSERT_TRUE(settle());
    }
    QList<PeerRequest> sent(const QByteArray& path) const {
        QList<PeerRequest> found;
        for (const PeerRequest& request : peer.requests()) {
            if (request.path == path) {
                found.append(request);
            }
        }
        return found;
    }

    // Saves the window as $GOODS_SHOT_DIR/<name>.png when that folder is given, for looking.
    void shoot(const QString& name) {
        const QString folder = qEnvironmentVariable("GOODS_SHOT_DIR");
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
