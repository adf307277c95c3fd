#pragma once

#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/Documents.h"
#include "platform/ImageLoader.h"
#include "platform/Toast.h"
#include "service/KQHttpClient.h"
#include "service/KQHttpClientList.h"
#include "service/KQRequest.h"
#include "service/ServiceConfig.h"
#include "support/TestPeer.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// What a reply callback saw.
struct Outcome {
    int calls = 0;
    std::optional<QJsonObject> reply;
    std::optional<ServiceError> error;
};

// A peer on 127.0.0.1 as the service, the documents folder and the defaults in a temporary
// folder, and a test clock so that toasts stay visible until the test looks at them.
class ServiceFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        Documents::redirectTo(folder.path());
        Defaults::redirectTo(folder.path());
        Clock::useTestClock(QDateTime(QDate(2016, 5, 18), QTime(9, 0)));
        Clock::advance(2 * Toast::durationMs);
        ASSERT_EQ(ServiceConfig::setServiceUrl(peer.baseUrl().toString()), QString());
        KQHttpClient::cookieStore()->setAllCookies({});
    }

    void TearDown() override {
        Clock::advance(2 * Toast::durationMs);
        Clock::useRealClock();
        ServiceConfig::reset();
        KQHttpClient::cookieStore()->setAllCookies({});
        Documents::redirectTo(QString());
        Defaults::redirectTo(QString());
    }

    static ReplyBlock recorder(const std::shared_ptr<Outcome>& outcome) {
        return [outcome](const QJsonObject* reply, const ServiceError* error) {
            ++outcome->calls;
            if (reply) {
                outcome->reply = *reply;
            }
            if (error) {
                outcome->error = *error;
            }
        };
    }

    // Runs the event loop until no request and no picture is under way any more, also after
    // running what their replies left queued (which may ask again), so every reply was handled;
    // false when something was still under way after timeoutMs.
    static bool settle(int timeoutMs = 10000) {
        const QDeadlineTimer deadline(timeoutMs);
        const auto idle = [] {
            return KQRequest::openCount() == 0 && ImageLoader::shared()->requestsInFlight() == 0;
        };
        do {
            if (!QTest::qWaitFor(idle, int(deadline.remainingTime()))) {
                return false;
            }
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } while (!idle());
        return true;
    }

    // Runs the event loop until request emitted finished(); counts how often it did.
    static int waitUntilFinished(KQRequest* request, int timeoutMs = 10000) {
        auto emitted = std::make_shared<int>(0);
        QEventLoop loop;
        QObject::connect(request, &KQRequest::finished, &loop, [emitted, &loop] {
            ++*emitted;
            loop.quit();
        });
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        if (!request->isFinished()) {
            loop.exec();
        }
        if (*emitted == 0) {
            ADD_FAILURE() << "the request did not finish";
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return *emitted;
    }

    QTemporaryDir folder;
    TestPeer peer;
};
