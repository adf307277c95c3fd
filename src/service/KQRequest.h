#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QNetworkReply;

// A request in flight, returned by every post and every catalogue operation.
//
// finished() is emitted exactly once when the request is over, whatever the outcome: after the
// reply callback ran, after a failure envelope was shown as a toast (the reply callback is not
// called then), after a transport failure, and after abort(). Lists connect it to stop their
// refresh indicators:
//
//     auto* request = KQHttpClientList::request_OrderListWith(bag, onReply);
//     connect(request, &KQRequest::finished, this, &OrderList::endRefreshing);
//
// The request deletes itself after finished(); connect right away and keep at most a QPointer.
class KQRequest : public QObject {
    Q_OBJECT
public:
    // Gives the request up when context is destroyed first: no callback runs then. Returns this.
    KQRequest* guardedBy(QObject* context);
    // Gives the request up: no callback runs, the overlay it showed is hidden, finished() follows.
    void abort();
    bool isFinished() const { return finished_; }
    // Requests started and not yet finished, across the process.
    static int openCount();

    // What the request layer runs on the finished network reply (nullptr when nothing was sent).
    using Completion = std::function<void(QNetworkReply*)>;

signals:
    void finished();

private:
    friend class KQHttpClient;
    // Without a reply (the request could not be built) the completion runs on the next turn of
    // the event loop, so callers see the same order of events as for a sent request.
    KQRequest(QObject* parent, QNetworkReply* reply, bool showsOverlay, Completion completion);
    void complete();
    void end();

    QNetworkReply* reply_;
    bool showsOverlay_;
    Completion completion_;
    bool finished_ = false;
};
