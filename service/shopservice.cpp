#include "shopservice.h"

#include "regions.h"
#include "requestrules.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSaveFile>

namespace {

constexpr qint64 kSessionLifetimeMs = 30LL * 24 * 3600 * 1000;
constexpr qint64 kCodeIntervalMs = 60LL * 1000;
constexpr int kMaxCodeAttempts = 5;

QByteArray sessionCookie(const QString& token, qint64 maxAgeSeconds) {
    return QByteArray(kSessionCookie) + "=" + token.toLatin1() +
           "; Path=/; HttpOnly; SameSite=Lax; Max-Age=" + QByteArray::number(maxAgeSeconds);
}

QByteArray envelope(const Outcome& outcome) {
    QJsonObject object{{"status", outcome.ok ? "success" : "error"},
                       {"message", outcome.ok ? QString() : outcome.message}};
    if (outcome.ok) {
        object.insert("data", outcome.data);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

Outcome done(const QJsonValue& data) {
    return Outcome{true, data, {}, {}};
}

Outcome refuse(const QString& message) {
    return Outcome{false, {}, message, {}};
}

ShopService::ShopService(Store& store, QString dataDir, QTextStream& out)
    : m_store(store), m_dataDir(std::move(dataDir)), m_out(out) {}

void ShopService::route(HttpFront& front, const QString& path, Endpoint endpoint,
                        bool needsSession) {
    front.addRoute("/" + path, true, [this, endpoint, needsSession](const HttpRequest& request) {
        return answer(request, endpoint, needsSession);
    });
}

void ShopService::install(HttpFront& front) {
    route(front, "login.do", &ShopService::login, false);
    route(front, "forgot/getSecurityCode.do", &ShopService::getSecurityCode, false);
    route(front, "forgot/checkSecurityCode.do", &ShopService::checkSecurityCode, false);
    route(front, "forgot/resetPassword.do", &ShopService::resetPassword, false);
    // Signing out must work when the session is already gone (a password reset elsewhere ends
    // it), or the owner could never get back to the sign-in screen.
    route(front, "logout.do", &ShopService::logout, false);
    route(front, "homepage/get.do", &ShopService::homepage, true);
    route(front, "system/get.do", &ShopService::systemGet, true);
    route(front, "system/update.do", &ShopService::systemUpdate, true);
    route(front, "system/updateSubdomain.do", &ShopService::updateSubdomain, true);
    route(front, "system/uploadLogo.do", &ShopService::uploadLogo, true);
    route(front, "address/list.do", &ShopService::addressList, true);
    route(front, "address/save.do", &ShopService::addressSave, true);
    route(front, "address/delete.do", &ShopService::addressDelete, true);
    route(front, "order/list.do", &ShopService::orderList, true);
    route(front, "order/get.do", &ShopService::orderGet, true);
    route(front, "order/close.do", &ShopService::orderClose, true);
    route(front, "comment/list.do", &ShopService::commentList, true);
    route(front, "comment/reply.do", &ShopService::commentReply, true);
    route(front, "waybill/send.do", &ShopService::waybillSend, true);
    route(front, "waybill/get.do", &ShopService::waybillGet, true);
    route(front, "express/list.do", &ShopService::expressList, true);
    route(front, "payaccount/binding/list.do", &ShopService::paypalBindingList, true);
    route(front, "paychannel/paypal/outh/outhUrlForApp.do", &ShopService::paypalAuthorisationUrl,
          true);
    route(front, "payaccount/binding/delete.do", &ShopService::paypalBindingDelete, true);
    route(front, "item/category/list.do", &ShopService::categoryList, true);
    route(front, "item/category/group.do", &ShopService::categoryGroup, true);
    route(front, "item/list.do", &ShopService::itemList, true);
    route(front, "item/delete.do", &ShopService::itemDelete, true);
    route(front, "item/rsync/add.do", &ShopService::itemSyncFacebook, true);
    route(front, "item/stop.do", &ShopService::itemStop, true);
    route(front, "item/start.do", &ShopService::itemStart, true);
    route(front, "money/get.do", &ShopService::moneyGet, true);
    route(front, "money/list.do", &ShopService::moneyList, true);
    route(front, "message/list.do", &ShopService::messageList, true);
    route(front, "message/view.do", &ShopService::messageView, true);
    route(front, "stat/pageview/list.do", &ShopService::statPageview, true);
    route(front, "stat/order/list.do", &ShopService::statOrder, true);
    route(front, "stat/revenue/list.do", &ShopService::statRevenue, true);

    front.addRoute("/store/index.html", false,
                   [this](const HttpRequest& request) { return storefrontPage(request); });
    front.addRoute("/paypal/authorize", false,
                   [this](const HttpRequest& request) { return paypalPage(request); });
    front.addRoute("/paypal/confirm", true,
                   [this](const HttpRequest& request) { return paypalConfirm(request); });
    front.addPrefixRoute("/img/", false,
                         [this](const HttpRequest& request) { return picture(request); });
    front.addPrefixRoute("/files/", false,
                         [this](const HttpRequest& request) { return uploadedFile(request); });
}

HttpReply ShopService::answer(const HttpRequest& request, Endpoint endpoint, bool needsSession) {
    Outcome outcome;
    const QString token = request.cookie(kSessionCookie);
    const qint64 shopId = sessionShop(token);
    if (request.bodyMalformed) {
        outcome = refuse("请求格式不正确");
    } else if (needsSession && shopId == 0) {
        outcome = refuse("请先登录");
    } else {
        outcome = (this->*endpoint)(Call{request, shopId, token});
    }
    HttpReply reply;
    reply.body = envelope(outcome);
    reply.setCookies = outcome.setCookies;
    return reply;
}

qint64 ShopService::sessionShop(const QString& token) {
    if (token.isEmpty()) {
        return 0;
    }
    return m_store
        .scalar("SELECT shop_id FROM sessions WHERE token = ? AND created > ?",
                {token, nowMs() - kSessionLifetimeMs})
        .toLongLong();
}

QString ShopService::absoluteUrl(const QString& path) const {
    if (path.isEmpty() || path.startsWith("http://") || path.startsWith("https://")) {
        return path;
    }
    return m_baseUrl + path;
}

Outcome ShopService::login(const Call& call) {
    const QString mobile = call.field("mobile");
    const QString password = call.request.field("password");
    if (mobile.isEmpty() || password.isEmpty()) {
        return refuse("请输入手机号和密码");
    }
    QSqlQuery shop = m_store.run(
        "SELECT shop_id, password_hash, salt, name FROM shops WHERE mobile = ?", {mobile});
    if (!shop.next() || hashPassword(password, shop.value(2).toString()) != shop.value(1)) {
        return refuse("手机号或密码错误");
    }
    const qint64 shopId = shop.value(0).toLongLong();
    const QString token = randomToken();
    m_store.run("DELETE FROM sessions WHERE created <= ?", {nowMs() - kSessionLifetimeMs});
    m_store.run("INSERT INTO sessions (token, shop_id, created) VALUES (?, ?, ?)",
                {token, shopId, nowMs()});
    Outcome outcome = done(QJsonObject{{"shop_id", QString::number(shopId)},
                                       {"mobile", mobile},
                                       {"name", shop.value(3).toString()},
                                       {"expires_in", kSessionLifetimeMs / 1000}});
    outcome.setCookies.append(sessionCookie(token, kSessionLifetimeMs / 1000));
    return outcome;
}

Outcome ShopService::logout(const Call& call) {
    if (!call.session.isEmpty()) {
        m_store.run("DELETE FROM sessions WHERE token = ?", {call.session});
    }
    Outcome outcome = done();
    outcome.setCookies.append(sessionCookie(QString(), 0));
    return outcome;
}

Outcome ShopService::getSecurityCode(const Call& call) {
    const QString mobile = call.field("mobile");
    if (!isMobileNumber(mobile)) {
        return refuse("请输入正确的手机号");
    }
    if (m_store.scalar("SELECT COUNT(*) FROM shops WHERE mobile = ?", {mobile}).toInt() == 0) {
        return refuse("该手机号尚未注册");
    }
    const QVariant issued =
        m_store.scalar("SELECT issued FROM recovery_codes WHERE mobile = ?", {mobile});
    if (issued.isValid() && nowMs() - issued.toLongLong() < kCodeIntervalMs) {
        return refuse("验证码已发送，请60秒后再获取");
    }
    const QString code = QString::number(QRandomGenerator::system()->bounded(100000, 1000000));
    m_store.run("INSERT OR REPLACE INTO recovery_codes (mobile, code, issued, expires, attempts)"
                " VALUES (?, ?, ?, ?, 0)",
                {mobile, code, nowMs(), nowMs() + m_codeLifetimeMs});
    m_out << "security code for " << mobile << ": " << code << Qt::endl;
    return done();
}

bool ShopService::codeMatches(const QString& mobile, const QString& code) {
    QSqlQuery stored = m_store.run(
        "SELECT code, expires, attempts FROM recovery_codes WHERE mobile = ?", {mobile});
    if (!stored.next()) {
        return false;
    }
    const bool live =
        stored.value(1).toLongLong() > nowMs() && stored.value(2).toInt() < kMaxCodeAttempts;
    if (live && stored.value(0).toString() == code) {
        return true;
    }
    m_store.run("UPDATE recovery_codes SET attempts = attempts + 1 WHERE mobile = ?", {mobile});
    return false;
}

Outcome ShopService::checkSecurityCode(const Call& call) {
    const QString mobile = call.field("mobile");
    const QString code = call.field("security_code");
    if (!isMobileNumber(mobile)) {
        return refuse("请输入正确的手机号");
    }
    if (code.isEmpty()) {
        return refuse("请输入验证码");
    }
    if (!codeMatches(mobile, code)) {
        return refuse("验证码错误或已过期");
    }
    return done();
}

Outcome ShopService::resetPassword(const Call& call) {
    const QString mobile = call.field("mobile");
    const QString password = call.request.field("password");
    if (!isValidPassword(password)) {
        return refuse("密码须为6到16位，且不含引号");
    }
    if (!codeMatches(mobile, call.field("security_code"))) {
        return refuse("验证码错误或已过期");
    }
    const QString salt = newSalt();
    StoreTransaction transaction(m_store);
    m_store.run("UPDATE shops SET password_hash = ?, salt = ? WHERE mobile = ?",
                {hashPassword(password, salt), salt, mobile});
    m_store.run("DELETE FROM sessions WHERE shop_id = (SELECT shop_id FROM shops WHERE mobile = ?)",
                {mobile});
    m_store.run("DELETE FROM recovery_codes WHERE mobile = ?", {mobile});
    if (!transaction.commit()) {
        return refuse("服务繁忙，请稍后再试");
    }
    return done();
}

QJsonObject ShopService::shopProfile(qint64 shopId) {
    QSqlQuery shop = m_store.run(
        "SELECT shop_id, name, contacts, logo, province_id, city_id, county, detail_address,"
        " email, mobile, subdomain FROM shops WHERE shop_id = ?",
        {shopId});
    if (!shop.next()) {
        return {};
    }
    const QString provinceId = shop.value(4).toString();
    const QString cityId = shop.value(5).toString();
    return QJsonObject{{"shop_id", shop.value(0).toString()},
                       {"name", shop.value(1).toString()},
                       {"contacts", shop.value(2).toString()},
                       {"logo", absoluteUrl(shop.value(3).toString())},
                       {"province_id", provinceId},
                       {"provinceName", provinceName(provinceId)},
                       {"city_id", cityId},
                       {"cityName", cityName(cityId)},
                       {"county", shop.value(6).toString()},
                       {"detail_address", shop.value(7).toString()},
                       {"email", shop.value(8).toString()},
                       {"mobile", shop.value(9).toString()},
                       {"subdomain", shop.value(10).toString()}};
}

Outcome ShopService::systemGet(const Call& call) {
    return done(shopProfile(call.shopId));
}

Outcome ShopService::systemUpdate(const Call& call) {
    const QString name = call.field("shop_name");
    const QString email = call.field("email");
    const QString provinceId = call.field("province_id");
    const QString cityId = call.field("city_id");
    if (name.isEmpty() || name.size() > 50) {
        return refuse("公司名不能为空，且不超过50个字");
    }
    if (call.field("contacts").size() > 20) {
        return refuse("联系人不超过20个字");
    }
    if (!email.isEmpty() && !isValidEmail(email)) {
        return refuse("请输入正确的邮箱");
    }
    if (!regionIdsFit(provinceId, cityId)) {
        return refuse("请选择正确的省份和城市");
    }
    if (call.field("detail_address").size() > 100) {
        return refuse("详细地址不超过100个字");
    }
    m_store.run("UPDATE shops SET name = ?, contacts = ?, email = ?, province_id = ?,"
                " city_id = ?, county = ?, detail_address = ? WHERE shop_id = ?",
                {name, call.field("contacts"), email, provinceId, cityId, call.field("county"),
                 call.field("detail_address"), call.shopId});
    return done(shopProfile(call.shopId));
}

Outcome ShopService::updateSubdomain(const Call& call) {
    const QString subdomain = call.field("subdomain");
    if (!isValidSubdomain(subdomain)) {
        return refuse("非法域名");
    }
    // The storefront's address is public once set; setting the same value again is harmless.
    const QString current =
        m_store.scalar("SELECT subdomain FROM shops WHERE shop_id = ?", {call.shopId}).toString();
    if (!current.isEmpty() && current != subdomain) {
        return refuse("二级域名设置后不能修改");
    }
    if (m_store
            .scalar("SELECT COUNT(*) FROM shops WHERE subdomain = ? AND shop_id <> ?",
                    {subdomain, call.shopId})
            .toInt() > 0) {
        return refuse("该域名已被占用");
    }
    m_store.run("UPDATE shops SET subdomain = ? WHERE shop_id = ?", {subdomain, call.shopId});
    return done(QJsonObject{{"subdomain", subdomain}});
}

Outcome ShopService::uploadLogo(const Call& call) {
    const auto& files = call.request.files;
    const auto picture = std::find_if(
        files.begin(), files.end(), [](const UploadedFile& f) { return f.fieldName == "picture"; });
    if (picture == files.end()) {
        return refuse("请选择图片");
    }
    QImage image;
    if (!image.loadFromData(picture->data)) {
        return refuse("图片格式不正确");
    }
    const QString name = "logo-" + randomToken().left(16) + ".png";
    QDir(m_dataDir).mkpath("uploads");
    QSaveFile file(m_dataDir + "/uploads/" + name);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        return refuse("图片保存失败");
    }
    const QString previous =
        m_store.scalar("SELECT logo FROM shops WHERE shop_id = ?", {call.shopId}).toString();
    m_store.run("UPDATE shops SET logo = ? WHERE shop_id = ?", {"files/" + name, call.shopId});
    if (previous.startsWith("files/")) {
        QFile::remove(m_dataDir + "/uploads/" + previous.mid(6));
    }
    return done(QJsonObject{{"logo", absoluteUrl("files/" + name)}});
}
