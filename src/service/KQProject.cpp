#include "service/KQProject.h"

KQProject& KQProject::project() {
    static KQProject bag;
    for (const QString& name : getProperties<KQProject>()) {
        fields().find(QLatin1StringView(name.toLatin1()))->reset(bag);
    }
    return bag;
}

const RecordFields<KQProject>& KQProject::fields() {
    using P = KQProject;
    static const RecordFields<KQProject> table{
        {"mobile", &P::mobile},
        {"password", &P::password},
        {"security_code", &P::security_code},
        {"start", &P::start},
        {"size", &P::size},
        {"goodsName", &P::goodsName},
        {"address_id", &P::address_id},
        {"payment_start_time", &P::payment_start_time},
        {"payment_end_time", &P::payment_end_time},
        {"order_start_time", &P::order_start_time},
        {"order_end_time", &P::order_end_time},
        {"status", &P::status},
        {"item_name", &P::item_name},
        {"order_id", &P::order_id},
        {"name", &P::name},
        {"telephone", &P::telephone},
        {"replied", &P::replied},
        {"comment_id", &P::comment_id},
        {"content", &P::content},
        {"subdomain", &P::subdomain},
        {"reason", &P::reason},
        {"company_id", &P::company_id},
        {"waybill_number", &P::waybill_number},
        {"channel_id", &P::channel_id},
        {"category_id", &P::category_id},
        {"start_time", &P::start_time},
        {"end_time", &P::end_time},
        {"orderby", &P::orderby},
        {"item_id", &P::item_id},
        {"source", &P::source},
        {"message_id", &P::message_id},
    };
    return table;
}
