#pragma once

#include "service/KQAccount.h"

#include <QString>
#include <optional>

// The account store: "account.data" in the documents folder, present exactly while an owner is
// signed in on this device. Written atomically and readable by the owner only.
class KQAccountTool {
public:
    // Sets expiresTime (now as local wall-clock time read as GMT, plus expires_in) and writes
    // the file. Returns whether the file was written; a failure is logged.
    static bool saveAccount(KQAccount& account);
    // The stored account however old it is; nullopt when there is none or the file is damaged.
    static std::optional<KQAccount> account();
    // Empties the cookie store and removes the file; without a file shows "本地账号不存在".
    static void deleteAccount();
    static QString accountFilePath();
};
