#include "support/TestPeer.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

namespace {

QByteArray normalisedPath(const QByteArray& path) {
    return path.startsWith('/') ? path : '/' + path;
}

// A self-signed certificate for 127.0.0.1, made once per test program with the openssl tool.
struct SelfSignedIdentity {
    QSslCertificate certificate;
    QSslKey key;
};

const SelfSignedIdentity& selfSignedIdentity() {
    static const SelfSignedIdentity identity = [] {
        QTemporaryDir dir;
        const QString keyPath = dir.filePath("key.pem");
        const QString certPath = dir.filePath("cert.pem");
        QProcess openssl;
        openssl.start("openssl",
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                       "-nodes", "-keyout", keyPath, "-out", certPath, "-days", "2", "-subj",
                       "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
            qFatal("TestPeer: openssl could not make a certificate: %s",
                   openssl.readAllStandardError().constData());
        }
        QFile keyFile(keyPath);
        QFile certFile(certPath);
        if (!keyFile.open(QIODevice::ReadOnly) || !certFile.open(QIODevice::ReadOnly)) {
            qFatal("TestPeer: the certificate files are missing");
        }
        return SelfSignedIdentity{QSslCertificate(certFile.readAll(), QSsl::Pem),
                                  QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem)};
    }();
    return identity;
}

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Reads "key=value; key2="value 2"" header parameters (the first element is skipped).
QHash<QByteArray, QByteArray> headerParameters(const QByteArray& value) {
    QHash<QByteArray, QByteArray> result;
    const QList<QByteArray> items = value.split(';');
    for (qsizetype i = 1; i < items.size(); ++i) {
        const QByteArray item = items[i].trimmed();
        const qsizetype eq = item.indexOf('=');
        if (eq < 0) {
            continue;
        }
        QByteArray v = item.mid(eq + 1).trimmed();
        if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"')) {
            v = v.mid(1, v.size() - 2);
        }
        result.insert(item.left(eq).trimmed().toLower(), v);
    }
    return result;
}

QList<PeerRequest::Part> parseMultipart(const QByteArray& body, const QByteArray& boundary) {
    QList<PeerRequest::Part> parts;
    const QByteArray delimiter = "--" + boundary;
    qsizetype pos = body.indexOf(delimiter);
    while (pos >= 0) {
        pos += delimiter.size();
        if (body.mid(pos, 2) == "--") {
            break;
        }
        pos += 2; // the CRLF after the delimiter
        const qsizetype next = body.indexOf("\r\n" + delimiter, pos);
        if (next < 0) {
            break;
        }
        const QByteArray raw = body.mid(pos, next - pos);
        const qsizetype split = raw.indexOf("\r\n\r\n");
        PeerRequest::Part part;
        if (split >= 0) {
            for (const QByteArray& line : raw.left(split).split('\n')) {
                const qsizetype colon = line.indexOf(':');
                const QByteArray name = line.left(colon).trimmed().toLower();
                const QByteArray value = line.mid(colon + 1).trimmed();
                if (name == "content-disposition") {
                    const auto params = headerParameters(value);
                    part.name = params.value("name");
                    part.filename = params.value("filename");
                } else if (name == "content-type") {
                    part.contentType = value;
                }
            }
            part.data = raw.mid(split + 4);
        }
        parts.append(part);
        pos = next + 2;
    }
    return parts;
}

QHash<QByteArray, QByteArray> parseCookies(const QByteArray& header) {
    QHash<QByteArray, QByteArray> cookies;
    for (const QByteArray& item : header.split(';')) {
        const QByteArray pair = item.trimmed();
        const qsizetype eq = pair.indexOf('=');
        if (eq > 0) {
            cookies.insert(pair.left(eq), pair.mid(eq + 1));
        }
    }
    return cookies;
}

// Decodes a chunked body starting at `from`; nullopt while more bytes are needed.
std::optional<QByteArray> dechunk(const QByteArray& buffer, qsizetype from, qsizetype* end) {
    QByteArray body;
    qsizetype pos = from;
    for (;;) {
        const qsizetype lineEnd = buffer.indexOf("\r\n", pos);
        if (lineEnd < 0) {
            return std::nullopt;
        }
        bool ok = false;
        const qsizetype size =
            buffer.mid(pos, lineEnd - pos).split(';').first().trimmed().toLongLong(&ok, 16);
        if (!ok) {
            return std::nullopt;
        }
        pos = lineEnd + 2;
        if (size == 0) {
            const qsizetype trailerEnd = buffer.indexOf("\r\n", pos);
            if (trailerEnd < 0) {
                return std::nullopt;
            }
            *end = trailerEnd + 2;
            return body;
        }
        if (buffer.size() < pos + size + 2) {
            return std::nullopt;
        }
        body += buffer.mid(pos, size);
        pos += size + 2;
    }
}

// Parses one complete request from the front of `buffer`; nullopt while it is incomplete.
std::optional<PeerRequest> takeRequest(QByteArray& buffer) {
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        return std::nullopt;
    }
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    PeerRequest request;
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    request.method = requestLine.value(0);
    const QByteArray target = requestLine.value(1);
    const qsizetype question = target.indexOf('?');
    request.path = question < 0 ? target : target.left(question);
    if (question >= 0) {
        request.query = QUrlQuery(QString::fromUtf8(target.mid(question + 1)));
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0) {
            continue;
        }
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        const QByteArray separator = name == "cookie" ? "; " : ", ";
        request.headers[name] =
            request.headers.contains(name) ? request.headers[name] + separator + value : value;
    }
    const qsizetype bodyStart = headerEnd + 4;
    qsizetype end = bodyStart;
    if (request.headers.value("transfer-encoding").toLower() == "chunked") {
        const auto body = dechunk(buffer, bodyStart, &end);
        if (!body) {
            return std::nullopt;
        }
        request.body = *body;
    } else {
        const qsizetype length = request.headers.value("content-length").toLongLong();
        if (buffer.size() < bodyStart + length) {
            return std::nullopt;
        }
        request.body = buffer.mid(bodyStart, length);
        end = bodyStart + length;
    }
    buffer.remove(0, end);

    const QByteArray contentType = request.headers.value("content-type");
    const QByteArray mime = contentType.split(';').first().trimmed().toLower();
    if (mime == "application/x-www-form-urlencoded") {
        request.form = TestPeer::decodeForm(request.body);
    } else if (mime == "multipart/form-data") {
        request.parts =
            parseMultipart(request.body, headerParameters(contentType).value("boundary"));
    }
    request.cookies = parseCookies(request.headers.value("cookie"));
    return request;
}

} // namespace

QString PeerRequest::field(const QString& name) const {
    for (const auto& [key, value] : form) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

bool PeerRequest::hasField(const QString& name) const {
    for (const auto& pair : form) {
        if (pair.first == name) {
            return true;
        }
    }
    return false;
}

PeerReply PeerReply::json(const QByteArray& body) {
    PeerReply reply;
    reply.body = body;
    return reply;
}

struct TestPeer::Connection {
    QTcpSocket* socket = nullptr;
    QByteArray buffer;
    bool answering = false; // a reply is pending; later requests wait in the buffer
};

TestPeer::TestPeer(Transport transport, QObject* parent) : QObject(parent), transport_(transport) {
    if (transport_ == Transport::Https) {
        auto* sslServer = new QSslServer(this);
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(selfSignedIdentity().certificate);
        configuration.setPrivateKey(selfSignedIdentity().key);
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        sslServer->setSslConfiguration(configuration);
        server_ = sslServer;
    } else {
        server_ = new QTcpServer(this);
    }
    connect(server_, &QTcpServer::pendingConnectionAvailable, this, &TestPeer::accept);
    if (!server_->listen(QHostAddress::LocalHost, 0)) {
        qFatal("TestPeer: cannot listen on 127.0.0.1: %s", qPrintable(server_->errorString()));
    }
}

TestPeer::~TestPeer() {
    for (const auto& connection : std::as_const(connections_)) {
        connection->socket->disconnect(this);
    }
}

QUrl TestPeer::baseUrl() const {
    const QString scheme = transport_ == Transport::Https ? "https" : "http";
    return QUrl(QString("%1://127.0.0.1:%2/").arg(scheme).arg(server_->serverPort()));
}

void TestPeer::reply(const QByteArray& path, const PeerReply& reply) {
    replies_.insert(normalisedPath(path), reply);
}

void TestPeer::enqueue(const QByteArray& path, const PeerReply& reply) {
    queued_[normalisedPath(path)].append(reply);
}

bool TestPeer::release(const QByteArray& path, int index) {
    QList<Held>& waiting = held_[normalisedPath(path)];
    if (index < 0 || index >= waiting.size()) {
        return false;
    }
    const Held held = waiting.takeAt(index);
    if (held.socket) {
        deliver(held.socket, held.reply);
    }
    return true;
}

void TestPeer::setHandler(std::function<PeerReply(const PeerRequest&)> handler) {
    handler_ = std::move(handler);
}

QList<PeerRequest> TestPeer::requests() const {
    return requests_;
}

int TestPeer::count(const QByteArray& path) const {
    const QByteArray wanted = normalisedPath(path);
    return static_cast<int>(std::count_if(requests_.begin(), requests_.end(),
                                          [&](const PeerRequest& r) { return r.path == wanted; }));
}

bool TestPeer::waitForRequests(int n, int timeoutMs) {
    QEventLoop loop;
    connect(this, &TestPeer::requestReceived, &loop, [&] {
        if (requests_.size() >= n) {
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (requests_.size() < n) {
        loop.exec();
    }
    return requests_.size() >= n;
}

std::optional<PeerRequest> TestPeer::waitForRequest(const QByteArray& path, int timeoutMs) {
    const QByteArray wanted = normalisedPath(path);
    const auto next = [&]() -> std::optional<PeerRequest> {
        int seen = 0;
        for (const PeerRequest& request : std::as_const(requests_)) {
            if (request.path == wanted && seen++ == taken_.value(wanted)) {
                return request;
            }
        }
        return std::nullopt;
    };
    std::optional<PeerRequest> found = next();
    if (!found) {
        QEventLoop loop;
        connect(this, &TestPeer::requestReceived, &loop, [&] {
            if ((found = next())) {
                loop.quit();
            }
        });
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (found) {
        ++taken_[wanted];
    }
    return found;
}

QList<QPair<QString, QString>> TestPeer::decodeForm(const QByteArray& body) {
    QList<QPair<QString, QString>> fields;
    if (body.isEmpty()) {
        return fields;
    }
    const auto decode = [](QByteArray text) {
        text.replace('+', ' ');
        return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
    };
    for (const QByteArray& pair : body.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        fields.append(
            {decode(eq < 0 ? pair : pair.left(eq)), eq < 0 ? QString() : decode(pair.mid(eq + 1))});
    }
    return fields;
}

void TestPeer::accept() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        // Small writes go out at once: loopback tests should not wait on delayed acknowledgements.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        auto connection = std::make_shared<Connection>();
        connection->socket = socket;
        connections_.insert(socket, connection);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (auto it = connections_.find(socket); it != connections_.end()) {
                readFrom(**it);
            }
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            connections_.remove(socket);
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0) {
            readFrom(*connection);
        }
    }
}

void TestPeer::readFrom(Connection& connection) {
    connection.buffer += connection.socket->readAll();
    if (connection.answering) {
        return;
    }
    std::optional<PeerRequest> request = takeRequest(connection.buffer);
    if (!request) {
        return;
    }
    requests_.append(*request);
    connection.answering = true;
    answer(connection.socket, *request);
    emit requestReceived();
}

PeerReply TestPeer::scriptedReply(const PeerRequest& request) {
    if (handler_) {
        return handler_(request);
    }
    if (auto queue = queued_.find(request.path); queue != queued_.end() && !queue->isEmpty()) {
        return queue->takeFirst();
    }
    if (const auto it = replies_.find(request.path); it != replies_.end()) {
        return *it;
    }
    PeerReply notFound;
    notFound.status = 404;
    notFound.contentType = "text/plain";
    notFound.body = "not scripted: " + request.path;
    return notFound;
}

void TestPeer::answer(QTcpSocket* socket, const PeerRequest& request) {
    const PeerReply reply = scriptedReply(request);
    if (reply.neverAnswer) {
        return;
    }
    if (reply.held) {
        held_[request.path].append({socket, reply});
    } else if (reply.delayMs > 0) {
        QTimer::singleShot(reply.delayMs, socket,
                           [this, socket, reply] { deliver(socket, reply); });
    } else {
        deliver(socket, reply);
    }
}

void TestPeer::deliver(QTcpSocket* socket, const PeerReply& reply) {
    if (reply.dropConnection) {
        socket->abort();
        return;
    }
    write(socket, reply);
    if (auto it = connections_.find(socket); it != connections_.end()) {
        (*it)->answering = false;
        if (!(*it)->buffer.isEmpty()) {
            readFrom(**it);
        }
    }
}

void TestPeer::write(QTcpSocket* socket, const PeerReply& reply) {
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    if (!reply.contentType.isEmpty()) {
        head += "Content-Type: " + reply.contentType + "\r\n";
    }
    head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    for (const QByteArray& cookie : reply.setCookies) {
        head += "Set-Cookie: " + cookie + "\r\n";
    }
    for (const auto& [name, value] : reply.headers) {
        head += name + ": " + value + "\r\n";
    }
    head += "\r\n";
    socket->write(head + reply.body);
}
