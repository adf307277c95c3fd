#pragma once

#include "service/Record.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <optional>

// The signed-in account. The password is kept as typed because the silent sign-in at the next
// launch sends it again; it is never written to a log.
struct KQAccount {
    QString auth_token;
    qint64 expires_in = 0;
    QDateTime expiresTime;
    QString shop_id;
    QString shop_name;
    QString userid;
    QString userPassCode;

    // Fields from the entries whose keys name one; other keys are ignored.
    static KQAccount accountWithDict(const QJsonObject& dict);

    // The account file's content, and back; a damaged or foreign content gives nullopt.
    QByteArray encode() const;
    static std::optional<KQAccount> decode(const QByteArray& data);

    static const RecordFields<KQAccount>& fields();
};
