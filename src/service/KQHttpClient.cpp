#include "service/KQHttpClient.h"

#include "platform/Toast.h"
#include "service/KQCookies.h"
#include "service/KQRequest.h"
#include "service/ServiceConfig.h"

#include <QCoreApplication>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <variant>

namespace {

const QString networkFailureText = QStringLiteral("请检查网络连接");

QNetworkRequest requestFor(const QString& url) {
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(ServiceConfig::timeoutMs());
    // A redirect is an unexpected answer from the service, not a place to send the form to.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    return request;
}

ServiceError transportError(QNetworkReply* reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return {ServiceError::Kind::Timeout, 0, reply->errorString()};
    case QNetworkReply::SslHandshakeFailedError:
        return {ServiceError::Kind::Tls, 0, reply->errorString()};
    default:
        if (status == 0) {
            return {ServiceError::Kind::Network, 0, reply->errorString()};
        }
    }
    return {ServiceError::Kind::HttpStatus, status, QStringLiteral("HTTP status %1").arg(status)};
}

QString mimeTypeOf(QNetworkReply* reply) {
    const QString header = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    return header.section(';', 0, 0).trimmed().toLower();
}

// Turns a finished reply into the parsed envelope, or says why it is not one.
std::variant<QJsonObject, ServiceError> readReply(QNetworkReply* reply,
                                                  const QStringList& acceptedTypes) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        return transportError(reply);
    }
    const QString mime = mimeTypeOf(reply);
    if (!acceptedTypes.contains(mime)) {
        return ServiceError{ServiceError::Kind::BadReply, status,
                            QStringLiteral("content type not accepted: %1").arg(mime)};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(reply->readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return ServiceError{ServiceError::Kind::BadReply, status, parseError.errorString()};
    }
    if (!document.isObject()) {
        return ServiceError{ServiceError::Kind::BadReply, status,
                            QStringLiteral("the reply is not a JSON object")};
    }
    return document.object();
}

KQRequest::Completion completion(const QStringList& acceptedTypes, bool toastOnFailure,
                                 KQHttpClient::Success success, KQHttpClient::Failure failure) {
    return [acceptedTypes, toastOnFailure, success = std::move(success),
            failure = std::move(failure)](QNetworkReply* reply) {
        auto outcome = readReply(reply, acceptedTypes);
        if (auto* envelope = std::get_if<QJsonObject>(&outcome)) {
            if (success) {
                success(*envelope);
            }
            return;
        }
        const auto& error = std::get<ServiceError>(outcome);
        qWarning("request to %s failed: %s", qPrintable(reply->url().path()),
                 qPrintable(error.detail));
        if (toastOnFailure) {
            Toast::showError(networkFailureText);
        }
        if (failure) {
            failure(error);
        }
    };
}

// Keeps quotes and line breaks out of a Content-Disposition header.
QString headerSafe(QString text) {
    return text.replace('"', "%22").replace('\r', ' ').replace('\n', ' ');
}

} // namespace

QNetworkAccessManager* KQHttpClient::httpClientManager() {
    static QPointer<QNetworkAccessManager> manager;
    if (!manager) {
        manager = new QNetworkAccessManager(QCoreApplication::instance());
        manager->setCookieJar(new KQCookieJar);
    }
    return manager;
}

KQCookieJar* KQHttpClient::cookieStore() {
    return static_cast<KQCookieJar*>(httpClientManager()->cookieJar());
}

KQParams KQHttpClient::dealWithURL(const QString&, const KQParams& params) {
    return params;
}

const QStringList& KQHttpClient::acceptedContentTypes() {
    static const QStringList types{"application/json", "text/plain", "text/javascript", "text/json",
                                   "text/html"};
    return types;
}

QByteArray KQHttpClient::encodeForm(const KQParams& params) {
    QByteArray body;
    for (const auto& [name, value] : params) {
        if (!body.isEmpty()) {
            body += '&';
        }
        body += name.toUtf8().toPercentEncoding() + '=' + value.toUtf8().toPercentEncoding();
    }
    return body;
}

KQRequest* KQHttpClient::postWithURL(const QString& url, const KQParams& params, Success success,
                                     Failure failure) {
    const KQParams fields = dealWithURL(url, params);
    KQCookies::setCookie();
    QNetworkRequest request = requestFor(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    QNetworkReply* reply = httpClientManager()->post(request, encodeForm(fields));
    return new KQRequest(
        httpClientManager(), reply, true,
        completion(acceptedContentTypes(), true, std::move(success), std::move(failure)));
}

KQRequest* KQHttpClient::postWithURL(const QString& url, const KQParams& params,
                                     const QList<FormData>& formDataArray, Success success,
                                     Failure failure) {
    auto* multipart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    for (const auto& [name, value] : dealWithURL(url, params)) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QStringLiteral("form-data; name=\"%1\"").arg(headerSafe(name)));
        part.setBody(value.toUtf8());
        multipart->append(part);
    }
    for (const FormData& file : formDataArray) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QStringLiteral("form-data; name=\"%1\"; filename=\"%2\"")
                           .arg(headerSafe(file.name), headerSafe(file.filename)));
        part.setHeader(QNetworkRequest::ContentTypeHeader, file.mimeType);
        part.setBody(file.data);
        multipart->append(part);
    }
    QNetworkReply* reply = httpClientManager()->post(requestFor(url), multipart);
    multipart->setParent(reply);
    return new KQRequest(
        httpClientManager(), reply, false,
        completion(acceptedContentTypes(), true, std::move(success), std::move(failure)));
}

KQRequest* KQHttpClient::refuse(const ServiceError& error, Failure failure) {
    return new KQRequest(httpClientManager(), nullptr, false,
                         [error, failure = std::move(failure)](QNetworkReply*) {
                             if (failure) {
                                 failure(error);
                             }
                         });
}

KQRequest* KQHttpClient::postQuietly(const QString& url, const KQParams& params,
                                     const QStringList& acceptedTypes, Success success,
                                     Failure failure) {
    QNetworkRequest request = requestFor(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    QNetworkReply* reply = httpClientManager()->post(request, encodeForm(params));
    return new KQRequest(httpClientManager(), reply, false,
                         completion(acceptedTypes, false, std::move(success), std::move(failure)));
}
