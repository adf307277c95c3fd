#include "addresses/KQLogisticsModel.h"

const RecordFields<KQLogisticsModel>& KQLogisticsModel::fields() {
    using M = KQLogisticsModel;
    static const RecordFields<M> table{
        {"address_id", &M::address_id},
        {"name", &M::name},
        {"province_id", &M::province_id},
        {"province_name", &M::province_name},
        {"city_id", &M::city_id},
        {"city_name", &M::city_name},
        {"county", &M::county},
        {"postcode", &M::postcode},
        {"telephone", &M::telephone},
        {"detail_address", &M::detail_address},
        {"default_receive", &M::default_receive},
        {"default_send", &M::default_send},
    };
    return table;
}

QList<KQLogisticsModel> KQLogisticsModel::listFromReply(const QJsonObject& reply) {
    return RecordMapper::listFromJson<KQLogisticsModel>(reply.value(QStringLiteral("data")));
}
