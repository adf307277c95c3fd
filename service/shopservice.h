#pragma once

#include "httpfront.h"
#include "store.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>

// What an endpoint decided: a payload for the success envelope, or a refusal text.
struct Outcome {
    bool ok = true;
    QJsonValue data;
    QString message;
    QList<QByteArray> setCookies;
};

Outcome done(const QJsonValue& data = QJsonObject());
Outcome refuse(const QString& message);

// One call of an endpoint: the decoded request and the signed-in shop (0 for the
// endpoints that work without a session).
struct Call {
    const HttpRequest& request;
    qint64 shopId = 0;
    QString session;

    QString field(const QString& name) const { return request.field(name).trimmed(); }
};

inline constexpr qint64 kBodyLimit = 10 * 1024 * 1024;
inline constexpr char kSessionCookie[] = "SHOPSESSION";

// Every endpoint of the shop, the storefront preview and the payment provider's
// authorisation page, on one store.
class ShopService {
public:
    ShopService(Store& store, QString dataDir, QTextStream& out);

    void install(HttpFront& front);
    // The address clients reach the service at, "http://127.0.0.1:PORT/".
    void setBaseUrl(const QString& baseUrl) { m_baseUrl = baseUrl; }
    // How long a security code stays usable (ten minutes unless tests shorten it).
    void setCodeLifetime(qint64 ms) { m_codeLifetimeMs = ms; }

private:
    using Endpoint = Outcome (ShopService::*)(const Call&);

    void route(HttpFront& front, const QString& path, Endpoint endpoint, bool needsSession);
    HttpReply answer(const HttpRequest& request, Endpoint endpoint, bool needsSession);
    qint64 sessionShop(const QString& token);
    QString absoluteUrl(const QString& path) const;

    // Accounts and the shop profile.
    Outcome login(const Call& call);
    Outcome logout(const Call& call);
    Outcome getSecurityCode(const Call& call);
    Outcome checkSecurityCode(const Call& call);
    Outcome resetPassword(const Call& call);
    // Whether code is the live code of mobile: at most one code per number, usable until it
    // expires; every wrong guess counts against it and the fifth voids it.
    bool codeMatches(const QString& mobile, const QString& code);
    Outcome systemGet(const Call& call);
    Outcome systemUpdate(const Call& call);
    Outcome updateSubdomain(const Call& call);
    Outcome uploadLogo(const Call& call);
    QJsonObject shopProfile(qint64 shopId);

    // Orders, shipping and comments.
    Outcome orderList(const Call& call);
    Outcome orderGet(const Call& call);
    Outcome orderClose(const Call& call);
    Outcome waybillSend(const Call& call);
    Outcome waybillGet(const Call& call);
    Outcome expressList(const Call& call);
    Outcome commentList(const Call& call);
    Outcome commentReply(const Call& call);
    QJsonObject orderJson(const QString& orderId);
    QJsonArray orderItemsJson(const QString& orderId);
    QJsonObject latestWaybillNews(const QString& orderId);
    bool orderBelongs(const QString& orderId, qint64 shopId);

    // Goods.
    Outcome itemList(const Call& call);
    Outcome itemDelete(const Call& call);
    Outcome itemSyncFacebook(const Call& call);
    Outcome itemStop(const Call& call);
    Outcome itemStart(const Call& call);
    Outcome categoryList(const Call& call);
    Outcome categoryGroup(const Call& call);
    Outcome changeItem(const Call& call, const QString& assignment);

    // Money, payout accounts and the home figures.
    Outcome homepage(const Call& call);
    Outcome moneyGet(const Call& call);
    Outcome moneyList(const Call& call);
    Outcome paypalBindingList(const Call& call);
    Outcome paypalAuthorisationUrl(const Call& call);
    Outcome paypalBindingDelete(const Call& call);
    QJsonObject moneySummary(qint64 shopId);

    // Statistics, messages and addresses.
    Outcome statPageview(const Call& call);
    Outcome statOrder(const Call& call);
    Outcome statRevenue(const Call& call);
    Outcome messageList(const Call& call);
    Outcome messageView(const Call& call);
    Outcome addressList(const Call& call);
    Outcome addressSave(const Call& call);
    Outcome addressDelete(const Call& call);

    // Pages and pictures.
    HttpReply storefrontPage(const HttpRequest& request);
    HttpReply paypalPage(const HttpRequest& request);
    HttpReply paypalConfirm(const HttpRequest& request);
    HttpReply picture(const HttpRequest& request);
    HttpReply uploadedFile(const HttpRequest& request);

    Store& m_store;
    QString m_dataDir;
    QTextStream& m_out;
    QString m_baseUrl;
    qint64 m_codeLifetimeMs = 10LL * 60 * 1000;
};
