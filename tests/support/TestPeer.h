#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <functional>
#include <memory>
#include <optional>

class QTcpServer;
class QTcpSocket;

// One request as the peer received it.
struct PeerRequest {
    QByteArray method, path; // path without the query, always starting with "/"
    QUrlQuery query;
    QHash<QByteArray, QByteArray> headers; // lower-case names
    QByteArray body;
    QList<QPair<QString, QString>> form; // decoded application/x-www-form-urlencoded fields
    QString field(const QString& name) const;
    bool hasField(const QString& name) const;
    struct Part {
        QByteArray name, filename, contentType, data;
    };
    QList<Part> parts; // multipart/form-data
    QHash<QByteArray, QByteArray> cookies;
};

// How the peer answers one request.
struct PeerReply {
    int status = 200;
    QByteArray contentType = "application/json"; // empty: no Content-Type header
    QByteArray body;
    QList<QByteArray> setCookies; // raw Set-Cookie values
    QList<QPair<QByteArray, QByteArray>> headers;
    int delayMs = 0; // answer after this many real ms
    bool neverAnswer = false;
    bool dropConnection = false; // close the connection without a reply
    bool held = false;           // answer only when the test calls TestPeer::release(path)
    static PeerReply json(const QByteArray& body);
};

// A scripted HTTP(S) server on 127.0.0.1 with a free port: records every request and answers it
// from the scripted replies. Paths may be given with or without the leading "/".
class TestPeer : public QObject {
    Q_OBJECT
public:
    enum class Transport { Http, Https }; // Https uses a self-signed (untrusted) certificate
    explicit TestPeer(Transport = Transport::Http, QObject* parent = nullptr);
    ~TestPeer() override;

    QUrl baseUrl() const; // "http://127.0.0.1:PORT/"

    // What the peer answers a request to path: the oldest reply queued for path, else the one
    // given by reply(), else 404. A handler overrides both.
    void reply(const QByteArray& path, const PeerReply&);
    void enqueue(const QByteArray& path, const PeerReply&);
    void setHandler(std::function<PeerReply(const PeerRequest&)>);

    // Answers the index-th request to path whose reply is still held (the oldest by default);
    // false when there is no such request.
    bool release(const QByteArray& path, int index = 0);

    QList<PeerRequest> requests() const; // everything received, in order
    int count(const QByteArray& path) const;
    // The next request to path that no earlier call returned, waiting for it to arrive (the event
    // loop runs meanwhile); nullopt when none came in time.
    std::optional<PeerRequest> waitForRequest(const QByteArray& path, int timeoutMs = 5000);
    bool waitForRequests(int n, int timeoutMs = 5000); // spins the event loop

    // The decoding the peer applies to form bodies; exposed so tests can check it on its own.
    static QList<QPair<QString, QString>> decodeForm(const QByteArray& body);

signals:
    void requestReceived(); // one request arrived complete; it is already in requests()

private:
    struct Connection;
    void accept();
    void readFrom(Connection& connection);
    void answer(QTcpSocket* socket, const PeerRequest& request);
    void deliver(QTcpSocket* socket, const PeerReply& reply);
    static void write(QTcpSocket* socket, const PeerReply& reply);
    PeerReply scriptedReply(const PeerRequest& request);

    struct Held {
        QPointer<QTcpSocket> socket;
        PeerReply reply;
    };

    Transport transport_;
    QTcpServer* server_ = nullptr;
    QHash<QByteArray, PeerReply> replies_;
    QHash<QByteArray, QList<PeerReply>> queued_;
    QHash<QByteArray, QList<Held>> held_;
    QHash<QByteArray, int> taken_; // requests per path already returned by waitForRequest
    std::function<PeerReply(const PeerRequest&)> handler_;
    QList<PeerRequest> requests_;
    QHash<QTcpSocket*, std::shared_ptr<Connection>> connections_;
};
