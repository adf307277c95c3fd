#include "service/LoginAccount.h"

#include "service/KQAccountTool.h"
#include "service/KQCookies.h"

#include <QJsonObject>

bool LoginAccount::saveLoginAccountWithshopid(const QString& shopId, const QString& userid,
                                              const QString& password) {
    const QJsonObject dict{{"auth_token", ""},
                           {"expires_in", "2592000"},
                           {"shop_id", shopId},
                           {"userid", userid},
                           {"userPassCode", password}};
    KQAccount account = KQAccount::accountWithDict(dict);
    const bool saved = KQAccountTool::saveAccount(account);
    KQCookies::getCookie();
    KQCookies::setCookie();
    return saved;
}
