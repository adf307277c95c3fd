#include "service/KQAccountTool.h"

#include "platform/Clock.h"
#include "platform/Documents.h"
#include "platform/Toast.h"
#include "service/KQCookies.h"
#include "service/SecureFile.h"

#include <QFile>

QString KQAccountTool::accountFilePath() {
    return Documents::filePath("account.data");
}

bool KQAccountTool::saveAccount(KQAccount& account) {
    const QDateTime now = Clock::now();
    account.expiresTime = now.toUTC().addSecs(now.offsetFromUtc() + account.expires_in);
    return SecureFile::write(accountFilePath(), account.encode());
}

std::optional<KQAccount> KQAccountTool::account() {
    QFile file(accountFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return KQAccount::decode(file.readAll());
}

void KQAccountTool::deleteAccount() {
    if (!QFile::exists(accountFilePath())) {
        Toast::showError(QStringLiteral("本地账号不存在"));
        return;
    }
    KQCookies::deleteCookie();
    QFile::remove(accountFilePath());
}
