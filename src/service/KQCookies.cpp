#include "service/KQCookies.h"

#include "platform/Documents.h"
#include "service/KQHttpClient.h"
#include "service/SecureFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkCookie>
#include <optional>

namespace {

QByteArray encodeCopy(const QList<QNetworkCookie>& cookies) {
    QJsonArray raw;
    for (const QNetworkCookie& cookie : cookies) {
        raw.append(QString::fromUtf8(cookie.toRawForm(QNetworkCookie::Full)));
    }
    return QJsonDocument(QJsonObject{{"cookies", raw}}).toJson(QJsonDocument::Compact);
}

// The saved cookies, in saved order; nullopt when there is no readable copy.
std::optional<QList<QNetworkCookie>> readCopy() {
    QFile file(KQCookies::copyFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QJsonValue stored = QJsonDocument::fromJson(file.readAll()).object().value("cookies");
    if (!stored.isArray()) {
        return std::nullopt;
    }
    QList<QNetworkCookie> cookies;
    const QJsonArray raw = stored.toArray();
    for (const QJsonValue& value : raw) {
        cookies += QNetworkCookie::parseCookies(value.toString().toUtf8());
    }
    return cookies;
}

} // namespace

QString KQCookies::copyFilePath() {
    return Documents::filePath("cookie.data");
}

void KQCookies::getCookie() {
    qInfo("============获取cookie并保存===============");
    SecureFile::write(copyFilePath(), encodeCopy(KQHttpClient::cookieStore()->allCookies()));
    qInfo().noquote() << QString();
}

void KQCookies::setCookie() {
    qInfo("============再取出保存的cookie重新设置cookie===============");
    const std::optional<QList<QNetworkCookie>> saved = readCopy();
    if (!saved) {
        qInfo("无cookie");
        return;
    }
    qInfo("有cookie");
    for (const QNetworkCookie& cookie : *saved) {
        KQHttpClient::cookieStore()->insertCookie(cookie);
    }
}

void KQCookies::deleteCookie() {
    qInfo("============删除cookie===============");
    KQHttpClient::cookieStore()->setAllCookies({});
    qInfo().noquote() << QString();
}

void KQCookies::deleteCopy() {
    if (QFile::exists(copyFilePath()) && !QFile::remove(copyFilePath())) {
        qWarning("the saved cookies could not be removed");
    }
}
