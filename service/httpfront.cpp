#include "httpfront.h"

#include "formparser.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
constexpr int kRefusedDrainMs = 10000;

QByteArray refusalBody(const QString& message) {
    return QJsonDocument(QJsonObject{{"status", "error"}, {"message", message}})
        .toJson(QJsonDocument::Compact);
}

// Follows the request stream of one connection (headers, then the declared body)
// and answers 413 itself when a request announces a body over the limit. It sees
// every byte before the HTTP layer does, because it connects to readyRead first.
class RequestSizeGuard : public QObject {
public:
    RequestSizeGuard(QTcpSocket* socket, qint64 bodyLimit)
        : QObject(socket), m_socket(socket), m_bodyLimit(bodyLimit) {
        connect(socket, &QTcpSocket::readyRead, this, &RequestSizeGuard::inspect);
    }

private:
    void inspect() {
        const qint64 fresh = m_socket->bytesAvailable();
        qint64 offset = 0;
        while (offset < fresh) {
            if (m_bodyLeft > 0) {
                const qint64 skip = qMin(m_bodyLeft, fresh - offset);
                m_bodyLeft -= skip;
                offset += skip;
                continue;
            }
            const QByteArray window =
                m_socket->peek(qMin(fresh, offset + kMaxHeaderBytes)).mid(offset);
            const qsizetype taken = takeHeader(window);
            if (taken < 0) {
                return;
            }
            offset += taken;
        }
    }

    // Consumes header bytes; returns how many, or -1 after refusing the request.
    qsizetype takeHeader(const QByteArray& data) {
        const qsizetype before = m_header.size();
        m_header.append(data);
        const qsizetype end = m_header.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_header.size() > kMaxHeaderBytes) {
                refuse(431, "请求头过大");
                return -1;
            }
            return data.size();
        }
        const qint64 length = declaredLength(m_header.left(end));
        m_header.clear();
        if (length < 0) {
            refuse(411, "请求须注明正文长度");
            return -1;
        }
        if (length > m_bodyLimit) {
            refuse(413, "请求内容过大");
            return -1;
        }
        m_bodyLeft = length;
        return end + 4 - before;
    }

    static qint64 declaredLength(const QByteArray& header) {
        qint64 length = 0;
        for (const QByteArray& line : header.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0) {
                continue;
            }
            const QByteArray key = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (key == "transfer-encoding" && value.toLower() != "identity") {
                return -1;
            }
            if (key == "content-length") {
                bool ok = false;
                length = value.toLongLong(&ok);
                if (!ok || length < 0) {
                    return -1;
                }
            }
        }
        return length;
    }

    void refuse(int status, const QString& message) {
        // The HTTP layer must not see the rest of this connection.
        disconnect(m_socket, &QTcpSocket::readyRead, nullptr, nullptr);
        connect(m_socket, &QTcpSocket::readyRead, this, [this] { m_socket->readAll(); });
        m_socket->readAll();
        const QByteArray body = refusalBody(message);
        const QByteArray reason = status == 413   ? "Payload Too Large"
                                  : status == 411 ? "Length Required"
                                                  : "Request Header Fields Too Large";
        m_socket->write("HTTP/1.1 " + QByteArray::number(status) + " " + reason +
                        "\r\nContent-Type: application/json;charset=UTF-8\r\nContent-Length: " +
                        QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        m_socket->flush();
        // Keep reading what the client still sends for a while, so that it can read the
        // answer before the connection goes away.
        QTimer::singleShot(kRefusedDrainMs, m_socket, [socket = m_socket] { socket->abort(); });
    }

    QTcpSocket* m_socket;
    qint64 m_bodyLimit;
    QByteArray m_header;
    qint64 m_bodyLeft = 0;
};

QByteArray statusReason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    default:
        return "Error";
    }
}

void writeReply(const QHttpServerRequest& request, QTcpSocket* socket, const HttpReply& reply) {
    Q_UNUSED(request);
    socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + " " +
                  statusReason(reply.status) + "\r\n");
    socket->write("Content-Type: " + reply.contentType + "\r\n");
    socket->write("Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n");
    socket->write("Cache-Control: no-store\r\n");
    for (const QByteArray& cookie : reply.setCookies) {
        socket->write("Set-Cookie: " + cookie + "\r\n");
    }
    socket->write("\r\n");
    socket->write(reply.body);
}

} // namespace

QString HttpRequest::cookie(const QByteArray& name) const {
    for (const QByteArray& piece : cookieHeader.split(';')) {
        const QByteArray trimmed = piece.trimmed();
        const qsizetype eq = trimmed.indexOf('=');
        if (eq > 0 && trimmed.left(eq) == name) {
            return QString::fromLatin1(trimmed.mid(eq + 1));
        }
    }
    return {};
}

QByteArray headerValue(const QHttpServerRequest& request, const QByteArray& name) {
    const auto headers = request.headers();
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return {};
}

HttpRequest decodeRequest(const QHttpServerRequest& request) {
    HttpRequest decoded;
    decoded.method = request.method() == QHttpServerRequest::Method::Post  ? "POST"
                     : request.method() == QHttpServerRequest::Method::Get ? "GET"
                                                                           : "OTHER";
    decoded.path = request.url().path();
    decoded.query = request.query();
    decoded.cookieHeader = headerValue(request, "cookie");
    const QByteArray contentType = headerValue(request, "content-type");
    const QByteArray body = request.body();
    if (contentType.toLower().startsWith("multipart/form-data")) {
        decoded.bodyMalformed = !parseMultipart(contentType, body, decoded.fields, decoded.files);
    } else if (!body.trimmed().isEmpty()) {
        decoded.bodyMalformed = !parseUrlEncoded(body, decoded.fields);
    }
    return decoded;
}

GuardedTcpServer::GuardedTcpServer(qint64 bodyLimit, QObject* parent)
    : QTcpServer(parent), m_bodyLimit(bodyLimit) {}

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    new RequestSizeGuard(socket, m_bodyLimit);
    addPendingConnection(socket);
}

HttpFront::HttpFront(QObject* parent) : QAbstractHttpServer(parent) {}

void HttpFront::addRoute(const QString& path, bool post, HttpHandler handler) {
    m_routes.insert(path, Route{post, std::move(handler)});
}

void HttpFront::addPrefixRoute(const QString& prefix, bool post, HttpHandler handler) {
    m_prefixRoutes.append({prefix, Route{post, std::move(handler)}});
}

const HttpFront::Route* HttpFront::findRoute(const QString& path) const {
    const auto exact = m_routes.constFind(path);
    if (exact != m_routes.constEnd()) {
        return &exact.value();
    }
    for (const auto& [prefix, route] : m_prefixRoutes) {
        if (path.startsWith(prefix)) {
            return &route;
        }
    }
    return nullptr;
}

bool HttpFront::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const Route* route = findRoute(request.url().path());
    if (!route) {
        return false;
    }
    const HttpRequest decoded = decodeRequest(request);
    if (route->post && decoded.method != "POST") {
        writeReply(
            request, socket,
            HttpReply{405, "application/json;charset=UTF-8", refusalBody("请使用 POST 请求"), {}});
        return true;
    }
    writeReply(request, socket, route->handler(decoded));
    return true;
}

void HttpFront::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    writeReply(request, socket,
               HttpReply{404, "application/json;charset=UTF-8", refusalBody("接口不存在"), {}});
}
