#pragma once

#include "service/FormData.h"
#include "service/ServiceError.h"

#include <QJsonObject>
#include <QList>
#include <QNetworkCookieJar>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

class KQRequest;
class QNetworkAccessManager;

// Form fields in the order they are sent; numbers go as their decimal text.
using KQParams = QList<QPair<QString, QString>>;

// The process-wide cookie store: every request of the shared client reads and writes it.
class KQCookieJar : public QNetworkCookieJar {
    Q_OBJECT
public:
    using QNetworkCookieJar::allCookies;
    using QNetworkCookieJar::insertCookie;
    using QNetworkCookieJar::QNetworkCookieJar;
    using QNetworkCookieJar::setAllCookies;
};

// The request layer: one shared HTTP client, the form POST and the multipart POST. A reply is
// accepted only with a status of 200-299, an accepted content type and a JSON object as body;
// everything else (no connection, time-out, TLS errors, redirects, bad bodies) is a transport
// failure, shown as the toast "请检查网络连接" before the failure callback runs. Completions
// arrive on the main thread.
class KQHttpClient {
public:
    using Success = std::function<void(const QJsonObject& reply)>;
    using Failure = std::function<void(const ServiceError& error)>;

    static QNetworkAccessManager* httpClientManager();
    static KQCookieJar* cookieStore();

    // The parameters as they will be sent (an unchanged copy; url is not looked at).
    static KQParams dealWithURL(const QString& url, const KQParams& params);

    // Form POST with the activity overlay, after re-installing the saved cookies.
    static KQRequest* postWithURL(const QString& url, const KQParams& params, Success success,
                                  Failure failure);
    // Multipart POST: the params as text parts, then one file part per FormData, in order.
    // No overlay, no cookie re-install.
    static KQRequest* postWithURL(const QString& url, const KQParams& params,
                                  const QList<FormData>& formDataArray, Success success,
                                  Failure failure);

    // A form POST without overlay, cookie re-install or toast, accepting only the given content
    // types: the password reset, which the recovery screen handles in its own way.
    static KQRequest* postQuietly(const QString& url, const KQParams& params,
                                  const QStringList& acceptedTypes, Success success,
                                  Failure failure);

    // A request that could not be built: nothing is sent, failure runs on the next turn of the
    // event loop with error.
    static KQRequest* refuse(const ServiceError& error, Failure failure);

    // x-www-form-urlencoded, every byte outside A-Z a-z 0-9 - . _ ~ percent-encoded (UTF-8).
    static QByteArray encodeForm(const KQParams& params);

    static const QStringList& acceptedContentTypes();
};
