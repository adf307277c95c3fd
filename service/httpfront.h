#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QUrlQuery>
#include <functional>

// One uploaded file part of a multipart request.
struct UploadedFile {
    QString fieldName;
    QString fileName;
    QByteArray contentType;
    QByteArray data;
};

// A request as the endpoints see it: the body is already decoded into fields.
struct HttpRequest {
    QByteArray method;
    QString path;
    QUrlQuery query;
    QHash<QString, QString> fields;
    QList<UploadedFile> files;
    QByteArray cookieHeader;
    bool bodyMalformed = false;

    QString field(const QString& name) const { return fields.value(name); }
    bool hasField(const QString& name) const { return fields.contains(name); }
    QString cookie(const QByteArray& name) const;
};

struct HttpReply {
    int status = 200;
    QByteArray contentType = "application/json;charset=UTF-8";
    QByteArray body;
    QList<QByteArray> setCookies;
};

using HttpHandler = std::function<HttpReply(const HttpRequest&)>;

// Refuses a request whose declared body is larger than the limit before the HTTP
// layer buffers it, so that one huge upload cannot exhaust the service's memory.
class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    GuardedTcpServer(qint64 bodyLimit, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    qint64 m_bodyLimit;
};

class HttpFront : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit HttpFront(QObject* parent = nullptr);

    // Routes are exact paths ("/login.do"); `post` routes refuse other methods.
    void addRoute(const QString& path, bool post, HttpHandler handler);
    // Serves every path that starts with `prefix` ("/img/").
    void addPrefixRoute(const QString& prefix, bool post, HttpHandler handler);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Route {
        bool post = true;
        HttpHandler handler;
    };
    const Route* findRoute(const QString& path) const;

    QHash<QString, Route> m_routes;
    QList<QPair<QString, Route>> m_prefixRoutes;
};

HttpRequest decodeRequest(const QHttpServerRequest& request);
QByteArray headerValue(const QHttpServerRequest& request, const QByteArray& name);
