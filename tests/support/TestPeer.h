#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <functional>
#include <memory>

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

    QUrl baseUrl() const;                                 // "http://127.0.0.1:PORT/"
    void reply(const QByteArray& path, const PeerReply&); // every request to path gets this
    void setHandler(std::function<PeerReply(const PeerRequest&)>); // overrides reply() tables
    QList<PeerRequest> requests() const;                           // everything received, in order
    int count(const QByteArray& path) const;
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
    static void write(QTcpSocket* socket, const PeerReply& reply);
    PeerReply scriptedReply(const PeerRequest& request) const;

    Transport transport_;
    QTcpServer* server_ = nullptr;
    QHash<QByteArray, PeerReply> replies_;
    std::function<PeerReply(const PeerRequest&)> handler_;
    QList<PeerRequest> requests_;
    QHash<QTcpSocket*, std::shared_ptr<Connection>> connections_;
};
