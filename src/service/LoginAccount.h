#pragma once

#include <QString>

// What a successful "login.do" leaves behind: the account file and the cookie copy. Called by
// the sign-in screen and by the silent sign-in at launch.
class LoginAccount {
public:
    static bool saveLoginAccountWithshopid(const QString& shopId, const QString& userid,
                                           const QString& password);
};
