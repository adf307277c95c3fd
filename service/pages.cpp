#include "pictures.h"
#include "requestrules.h"
#include "shopservice.h"

#include <QFile>
#include <QRegularExpression>

namespace {

constexpr char kHtml[] = "text/html;charset=UTF-8";
constexpr char kDemoPaypalAccount[] = "demo.seller@paypal.example";

QString page(const QString& title, const QString& body) {
    return "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
           "<title>" +
           title.toHtmlEscaped() +
           "</title><style>"
           "body{margin:0;font-family:sans-serif;background:#f0f1f5;color:#383838}"
           "header{background:#f95146;color:#fff;padding:16px;font-size:18px}"
           ".card{background:#fff;margin:12px;padding:14px;border-radius:6px}"
           ".goods{display:grid;grid-template-columns:1fr 1fr;gap:10px;margin:12px}"
           ".goods div{background:#fff;border-radius:6px;overflow:hidden;font-size:13px}"
           ".goods img{width:100%;display:block}.goods p{margin:6px 8px}"
           ".price{color:#ff4f4f}"
           "button{width:100%;padding:14px;border:0;border-radius:6px;font-size:16px;"
           "background:#0070ba;color:#fff}"
           "input{width:100%;box-sizing:border-box;padding:10px;margin:8px 0;font-size:15px}"
           "</style></head><body>" +
           body + "</body></html>";
}

HttpReply htmlReply(int status, const QString& title, const QString& body) {
    return HttpReply{status, kHtml, page(title, body).toUtf8(), {}};
}

HttpReply notFound() {
    return HttpReply{404, "text/plain;charset=UTF-8", "not found", {}};
}

} // namespace

HttpReply ShopService::storefrontPage(const HttpRequest& request) {
    const QString shopId = request.query.queryItemValue("shopId");
    QSqlQuery shop = m_store.run("SELECT name, logo FROM shops WHERE shop_id = ?", {shopId});
    if (shopId.isEmpty() || !shop.next()) {
        return htmlReply(404, "店铺不存在", "<header>店铺不存在</header>");
    }
    const QString name = shop.value(0).toString().toHtmlEscaped();
    QString body = "<header id=\"shopName\">" + name + "</header><div class=\"card\"><img src=\"" +
                   absoluteUrl(shop.value(1).toString()).toHtmlEscaped() +
                   "\" width=\"48\" height=\"48\" alt=\"logo\"> 欢迎光临 " + name +
                   "</div><div class=\"goods\">";
    QSqlQuery goods = m_store.run(
        "SELECT name, img, price FROM items WHERE shop_id = ? AND deleted = 0 AND published = 1"
        " AND inventory > 0 ORDER BY lmodify DESC LIMIT 20",
        {shopId});
    while (goods.next()) {
        body += "<div><img src=\"" + absoluteUrl(goods.value(1).toString()).toHtmlEscaped() +
                "\" alt=\"\"><p>" + goods.value(0).toString().toHtmlEscaped() +
                "</p><p class=\"price\">US$" + QString::number(goods.value(2).toDouble(), 'f', 2) +
                "</p></div>";
    }
    body += "</div>";
    return htmlReply(200, shop.value(0).toString(), body);
}

HttpReply ShopService::paypalPage(const HttpRequest& request) {
    const QString token = request.query.queryItemValue("token");
    QSqlQuery shop = m_store.run("SELECT s.name FROM paypal_tokens t JOIN shops s"
                                 " ON s.shop_id = t.shop_id WHERE t.token = ? AND t.expires > ?",
                                 {token, nowMs()});
    if (token.isEmpty() || !shop.next()) {
        return htmlReply(400, "链接已失效",
                         "<header>PayPal</header><div class=\"card\">授权链接已失效，"
                         "请返回应用重新发起绑定。</div>");
    }
    return htmlReply(
        200, "PayPal 授权",
        "<header>PayPal</header><form class=\"card\" method=\"post\" action=\"/paypal/confirm\">"
        "<p>授权 <b>" +
            shop.value(0).toString().toHtmlEscaped() +
            "</b> 使用以下 PayPal 账户收款：</p>"
            "<input id=\"account\" name=\"account\" type=\"email\" aria-label=\"PayPal 账户\" "
            "value=\"" +
            QString(kDemoPaypalAccount) + "\"><input type=\"hidden\" name=\"token\" value=\"" +
            token.toHtmlEscaped() +
            "\"><button id=\"confirm\" type=\"submit\">同意并绑定</button></form>");
}

HttpReply ShopService::paypalConfirm(const HttpRequest& request) {
    const QString token = request.field("token");
    const QString account = request.field("account").trimmed();
    if (request.bodyMalformed || !isValidEmail(account)) {
        return htmlReply(400, "账户无效",
                         "<header>PayPal</header><div class=\"card\">请输入正确的 PayPal "
                         "账户（邮箱）。</div>");
    }
    const qint64 shopId =
        m_store
            .scalar("SELECT shop_id FROM paypal_tokens WHERE token = ? AND expires > ?",
                    {token, nowMs()})
            .toLongLong();
    if (token.isEmpty() || shopId == 0) {
        return htmlReply(400, "链接已失效",
                         "<header>PayPal</header><div class=\"card\">授权链接已失效，"
                         "请返回应用重新发起绑定。</div>");
    }
    StoreTransaction transaction(m_store);
    m_store.run("DELETE FROM paypal_tokens WHERE token = ?", {token});
    m_store.run("INSERT OR REPLACE INTO paypal_bindings (shop_id, channel_id, channel_name,"
                " account, posttime) VALUES (?, 'Paypal', 'PayPal', ?, ?)",
                {shopId, account, nowMs()});
    if (!transaction.commit()) {
        return htmlReply(500, "绑定失败",
                         "<header>PayPal</header><div class=\"card\">"
                         "绑定失败，请稍后再试。</div>");
    }
    return htmlReply(200, "绑定成功",
                     "<header>PayPal</header><div class=\"card\" id=\"done\">已绑定 " +
                         account.toHtmlEscaped() + "，请返回应用。</div>");
}

HttpReply ShopService::picture(const HttpRequest& request) {
    static const QRegularExpression pattern("^/img/(goods|logo|avatar)/([0-9]{1,4})\\.png$");
    const QRegularExpressionMatch match = pattern.match(request.path);
    if (!match.hasMatch()) {
        return notFound();
    }
    // Lists ask for the same few pictures again and again; keep a bounded set drawn.
    constexpr qsizetype kCachedPictures = 256;
    static QHash<QString, QByteArray> drawn;
    QByteArray png = drawn.value(request.path);
    if (png.isEmpty()) {
        png = drawPicture(match.captured(1), match.captured(2).toInt());
        if (drawn.size() < kCachedPictures) {
            drawn.insert(request.path, png);
        }
    }
    return HttpReply{200, "image/png", png, {}};
}

HttpReply ShopService::uploadedFile(const HttpRequest& request) {
    static const QRegularExpression pattern("^/files/([A-Za-z0-9-]{1,64}\\.png)$");
    const QRegularExpressionMatch match = pattern.match(request.path);
    if (!match.hasMatch()) {
        return notFound();
    }
    QFile file(m_dataDir + "/uploads/" + match.captured(1));
    if (!file.open(QIODevice::ReadOnly)) {
        return notFound();
    }
    return HttpReply{200, "image/png", file.readAll(), {}};
}
