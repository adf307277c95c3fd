#include "service/KQAccount.h"

#include <QJsonDocument>

namespace {

bool isText(const QJsonObject& object, const char* key) {
    return object.value(QLatin1StringView(key)).isString();
}

// Every key of the file must be there with its type: a file that lost one is not an account.
bool hasAccountShape(const QJsonObject& object) {
    const QJsonValue expiresIn = object.value("expires_in");
    const QJsonValue shopName = object.value("shop_name");
    return isText(object, "auth_token") && isText(object, "shop_id") && isText(object, "userid") &&
           isText(object, "userPassCode") && (shopName.isString() || shopName.isNull()) &&
           expiresIn.isDouble() && expiresIn.toDouble() == double(expiresIn.toInteger()) &&
           QDateTime::fromString(object.value("expiresTime").toString(), Qt::ISODateWithMs)
               .isValid();
}

} // namespace

KQAccount KQAccount::accountWithDict(const QJsonObject& dict) {
    return RecordMapper::fromJson<KQAccount>(dict);
}

QByteArray KQAccount::encode() const {
    QJsonObject object = RecordMapper::toJson(*this);
    if (shop_name.isNull()) {
        object.insert("shop_name", QJsonValue::Null);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<KQAccount> KQAccount::decode(const QByteArray& data) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !hasAccountShape(document.object())) {
        return std::nullopt;
    }
    return RecordMapper::fromJson<KQAccount>(document.object());
}

const RecordFields<KQAccount>& KQAccount::fields() {
    static const RecordFields<KQAccount> table{
        {"auth_token", &KQAccount::auth_token},     {"expires_in", &KQAccount::expires_in},
        {"expiresTime", &KQAccount::expiresTime},   {"shop_id", &KQAccount::shop_id},
        {"shop_name", &KQAccount::shop_name},       {"userid", &KQAccount::userid},
        {"userPassCode", &KQAccount::userPassCode},
    };
    return table;
}
