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
            runStep(0, true);
        }
    });
}

void TourRunner::signIn(const QString& mobile, std::function<void()> then) {
    if (Tour::root()) {
        AppDelegate::showSignIn();
    }
    KQSLoginVC* login = KQSLoginVC::login();
    login->userIdField->setText(mobile);
    login->passwordField->setText(QString::fromLatin1(kDemoPassword));
    login->loginClick();
    whenQuiet([this, mobile, then = std::move(then)] {
        if (!Tour::root()) {
            fail(QStringLiteral("%1 could not sign in").arg(mobile));
            return;
        }
        signedIn_ = mobile;
        then();
    });
}

void TourRunner::runStep(int index, bool beforeSignIn) {
    const QList<Tour::Step>& steps = Tour::steps();
    while (index < steps.size() && steps[index].beforeSignIn != beforeSignIn) {
        ++index;
    }
    if (index >= steps.size() && beforeSignIn) {
        runStep(0, false);
        return;
    }
    if (index >= steps.size()) {
        emit finished(
            true,
            QStringLiteral("%1 pictures in %2").arg(written_.size()).arg(folder_.absolutePath()));
        return;
    }
    const Tour::Step& step = steps[index];
    const QString owner = step.mobile.isEmpty() ? QString::fromLatin1(kDemoMobile) : step.mobile;
    if (!beforeSignIn && owner != signedIn_) {
        signIn(owner, [this, index] { runStep(index, false); });
        return;
    }
    if (!step.continuesPrevious) {
        resetTabs();
    }
    step.show();
    if (Tour::takeMissingScreen()) {
        fail(QStringLiteral("%1: the screen could not be opened").arg(step.name));
        return;
    }
    whenQuiet([this, index, beforeSignIn, name = step.name] {
        if (save(name)) {
            runStep(index + 1, beforeSignIn);
        }
    });
}

void TourRunner::resetTabs() {
    KQSRootVC* root = Tour::root();
    if (!root) {
        if (auto* signInStack = qobject_cast<NavigationStack*>(window_->root())) {
            signInStack->popToRoot(false);
            signInStack->finishTransition();
        }
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
