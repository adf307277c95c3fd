#include "servicefixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>

ServiceProcess::~ServiceProcess() {
    stop();
}

bool ServiceProcess::start(const QString& dataDir, const QStringList& options) {
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(SHOP_SERVICE_BINARY, QStringList{"--port", "0", "--data", dataDir} + options);
    if (!m_process->waitForStarted(10000)) {
        return false;
    }
    while (!m_process->canReadLine()) {
        if (!m_process->waitForReadyRead(30000)) {
            return false;
        }
    }
    const QString line = QString::fromUtf8(m_process->readLine()).trimmed();
    const QString prefix = "listening on ";
    if (!line.startsWith(prefix)) {
        return false;
    }
    m_baseUrl = line.mid(prefix.size());
    return m_baseUrl.startsWith("http://127.0.0.1:") && m_baseUrl.endsWith('/');
}

void ServiceProcess::stop() {
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000)) {
            m_process->kill();
            m_process->waitForFinished(10000);
        }
    }
}

QString ServiceProcess::output() {
    m_process->waitForReadyRead(200);
    m_output += QString::fromUtf8(m_process->readAllStandardOutput());
    return m_output;
}

QString ServiceProcess::nextCode(const QString& mobile) {
    const QRegularExpression line("security code for " + QRegularExpression::escape(mobile) +
                                  ": ([0-9]{6})\\n");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        m_output += QString::fromUtf8(m_process->readAllStandardOutput());
        const QRegularExpressionMatch found = line.match(m_output, m_codesRead);
        if (found.hasMatch()) {
            m_codesRead = found.capturedEnd();
            return found.captured(1);
        }
        m_process->waitForReadyRead(1000);
    }
    return {};
}

QByteArray formBody(const QList<QPair<QString, QString>>& fields) {
    QByteArray body;
    for (const auto& [name, value] : fields) {
        if (!body.isEmpty()) {
            body += '&';
        }
        body += QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

ServiceClient::ServiceClient(QString baseUrl) : m_baseUrl(std::move(baseUrl)) {
    m_network.setCookieJar(new QNetworkCookieJar(&m_network));
}

QString ServiceClient::url(const QString& path) const {
    return path.startsWith("http") ? path : m_baseUrl + path;
}

ServiceReply ServiceClient::wait(QNetworkReply* reply) {
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    ServiceReply result;
    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.envelope = QJsonDocument::fromJson(result.body).object();
    result.transportError = reply->error() != QNetworkReply::NoError && result.httpStatus == 0;
    reply->deleteLater();
    return result;
}

ServiceReply ServiceClient::post(const QString& path,
                                 const QList<QPair<QString, QString>>& fields) {
    return postRaw(path, formBody(fields));
}

ServiceReply ServiceClient::postRaw(const QString& path, const QByteArray& body,
                                    const QByteArray& contentType) {
    QNetworkRequest request(QUrl(url(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    return wait(m_network.post(request, body));
}

ServiceReply ServiceClient::postMultipart(const QString& path, QHttpMultiPart* parts) {
    QNetworkReply* reply = m_network.post(QNetworkRequest(QUrl(url(path))), parts);
    parts->setParent(reply);
    return wait(reply);
}

ServiceReply ServiceClient::get(const QString& urlOrPath) {
    return wait(m_network.get(QNetworkRequest(QUrl(url(urlOrPath)))));
}

bool ServiceClient::signIn(const QString& password, const QString& mobile) {
    return post("login.do", {{"mobile", mobile},
                             {"password", password},
                             {"need_captcha", "false"},
                             {"return_token", "1"},
                             {"remember", "1"}})
        .ok();
}
