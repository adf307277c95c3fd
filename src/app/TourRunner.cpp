#include "app/TourRunner.h"

#include "app/AppDelegate.h"
#include "app/KQSLoginVC.h"
#include "app/KQSNavigtionVC.h"
#include "app/KQSRootVC.h"
#include "app/Tour.h"
#include "platform/ActivityOverlay.h"
#include "platform/ImageLoader.h"
#include "platform/PhoneWindow.h"
#include "service/KQRequest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kTickMs = 100;
constexpr int kQuietTicks = 4;  // 0.4 s with nothing in flight
constexpr int kMostTicks = 150; // a screen gets 15 s at most
} // namespace

TourRunner::TourRunner(PhoneWindow* window, const QString& folder, QObject* parent)
    : QObject(parent), window_(window), folder_(folder), poll_(new QTimer(this)) {
    poll_->setInterval(kTickMs);
    connect(poll_, &QTimer::timeout, this, [this] {
        const bool busy = ActivityOverlay::isShown() || KQRequest::openCount() > 0 ||
                          ImageLoader::shared()->requestsInFlight() > 0;
        quietTicks_ = busy ? 0 : quietTicks_ + 1;
        if (quietTicks_ >= kQuietTicks || ++waitedTicks_ >= kMostTicks) {
            poll_->stop();
            auto then = std::move(pending_);
            then();
        }
    });
}

void TourRunner::start() {
    if (!folder_.mkpath(QStringLiteral("."))) {
        fail(QStringLiteral("could not create %1").arg(folder_.path()));
        return;
    }
    AppDelegate::showSignIn();
    whenQuiet([this] {
        if (save(QStringLiteral("sign-in"))) {
            signIn();
        }
    });
}

void TourRunner::signIn() {
    KQSLoginVC* login = KQSLoginVC::login();
    login->userIdField->setText(QString::fromLatin1(kDemoMobile));
    login->passwordField->setText(QString::fromLatin1(kDemoPassword));
    login->loginClick();
    whenQuiet([this] {
        if (!Tour::root()) {
            fail(QStringLiteral("the demo owner could not sign in"));
            return;
        }
        runStep(0);
    });
}

void TourRunner::runStep(int index) {
    const QList<Tour::Step>& steps = Tour::steps();
    if (index >= steps.size()) {
        emit finished(
            true,
            QStringLiteral("%1 pictures in %2").arg(written_.size()).arg(folder_.absolutePath()));
        return;
    }
    const Tour::Step& step = steps[index];
    if (!step.continuesPrevious) {
        resetTabs();
    }
    step.show();
    if (Tour::takeMissingScreen()) {
        fail(QStringLiteral("%1: the screen could not be opened").arg(step.name));
        return;
    }
    whenQuiet([this, index, name = step.name] {
        if (save(name)) {
            runStep(index + 1);
        }
    });
}

void TourRunner::resetTabs() {
    KQSRootVC* root = Tour::root();
    if (!root) {
        return;
    }
    for (NavigationStack* stack : root->stacks()) {
        stack->popToRoot(false);
        stack->finishTransition();
    }
    Tour::selectTab(0);
}

void TourRunner::whenQuiet(std::function<void()> then) {
    pending_ = std::move(then);
    quietTicks_ = 0;
    waitedTicks_ = 0;
    poll_->start();
}

bool TourRunner::save(const QString& name) {
    QString error;
    const QString file = folder_.filePath(name + QStringLiteral(".png"));
    if (!window_->saveScreenshot(file, error)) {
        fail(error);
        return false;
    }
    written_.append(file);
    return true;
}

void TourRunner::fail(const QString& message) {
    emit finished(false, message);
}
