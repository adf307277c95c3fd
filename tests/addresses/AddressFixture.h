#pragma once

#include "platform/Printers.h"
#include "support/ScreenFixture.h"

#include <QJsonObject>

// Service payloads shaped as the shop service sends them.
namespace AddressPayload {

inline QJsonObject address(const QString& id, const QString& name, bool defaultReceive = false) {
    return QJsonObject{{"address_id", id},
                       {"name", name},
                       {"province_id", "330000"},
                       {"province_name", "浙江省"},
                       {"city_id", "330100"},
                       {"city_name", "杭州市"},
                       {"county", "西湖区"},
                       {"postcode", "310000"},
                       {"telephone", "13900139002"},
                       {"detail_address", "文三路90号东部软件园"},
                       {"default_receive", defaultReceive},
                       {"default_send", false}};
}

} // namespace AddressPayload
