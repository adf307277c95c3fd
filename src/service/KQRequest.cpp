#include "service/KQRequest.h"

#include "platform/ActivityOverlay.h"

#include <QNetworkReply>

namespace {
int openRequests = 0;
} // namespace

int KQRequest::openCount() {
    return openRequests;
}

KQRequest::KQRequest(QObject* parent, QNetworkReply* reply, bool showsOverlay,
                     Completion completion)
    : QObject(parent), reply_(reply), showsOverlay_(showsOverlay),
      completion_(std::move(completion)) {
    ++openRequests;
    if (showsOverlay_) {
        ActivityOverlay::show();
    }
    if (reply_) {
        reply_->setParent(this);
        connect(reply_, &QNetworkReply::finished, this, &KQRequest::complete);
    } else {
        QMetaObject::invokeMethod(this, &KQRequest::complete, Qt::QueuedConnection);
    }
}

KQRequest* KQRequest::guardedBy(QObject* context) {
    if (context) {
        // The context is half destroyed when this runs: nothing of ours may call back into it,
        // not even the finished() connections it made itself.
        connect(context, &QObject::destroyed, this, [this, context] {
            disconnect(this, nullptr, context, nullptr);
            abort();
        });
    }
    return this;
}

void KQRequest::abort() {
    if (finished_) {
        return;
    }
    completion_ = nullptr;
    if (reply_) {
        reply_->abort();
    }
    end();
}

void KQRequest::complete() {
    if (finished_) {
        return;
    }
    if (showsOverlay_) {
        ActivityOverlay::hide();
        showsOverlay_ = false;
    }
    if (const Completion completion = std::exchange(completion_, nullptr)) {
        completion(reply_);
    }
    end();
}

void KQRequest::end() {
    if (finished_) {
        return;
    }
    finished_ = true;
    --openRequests;
    if (showsOverlay_) {
        ActivityOverlay::hide();
    }
    emit finished();
    deleteLater();
}
