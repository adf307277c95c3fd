#pragma once

#include <QString>

// Keeps a copy of the service's cookies from the last sign-in and puts it back before every
// form post, so the signed-in state survives restarts. The copy lives in "cookie.data" in the
// documents folder, written atomically and readable by the owner only.
class KQCookies {
public:
    static void getCookie();    // copies the cookie store into the saved copy
    static void setCookie();    // re-installs the saved copy into the cookie store
    static void deleteCookie(); // empties the cookie store; the saved copy stays
    static void deleteCopy();   // removes the saved copy (signing out)
    static QString copyFilePath();
};
