#pragma once

#include "service/Record.h"

#include <QString>
#include <QStringList>
#include <optional>

// The shared request-parameter bag. Member names are the service's parameter names; an unset
// member is std::nullopt. A request site calls project(), sets what its endpoint reads and
// hands the bag to the catalogue in the same step, so nothing leaks from one screen's request
// into another's.
class KQProject {
public:
    std::optional<QString> mobile;
    std::optional<QString> password;
    std::optional<QString> security_code;
    std::optional<int> start;
    std::optional<int> size;
    std::optional<QString> goodsName;
    std::optional<QString> address_id;
    std::optional<QString> payment_start_time;
    std::optional<QString> payment_end_time;
    std::optional<QString> order_start_time;
    std::optional<QString> order_end_time;
    std::optional<QString> status;
    std::optional<QString> item_name;
    std::optional<QString> order_id;
    std::optional<QString> name;
    std::optional<QString> telephone;
    std::optional<QString> replied;
    std::optional<QString> comment_id;
    std::optional<QString> content;
    std::optional<QString> subdomain;
    std::optional<QString> reason;
    std::optional<QString> company_id;
    std::optional<QString> waybill_number;
    std::optional<QString> channel_id;
    std::optional<QString> category_id;
    std::optional<QString> start_time;
    std::optional<QString> end_time;
    std::optional<QString> orderby;
    std::optional<QString> item_id;
    std::optional<QString> source;
    std::optional<QString> message_id;

    // The one bag of the process, with every field unset.
    static KQProject& project();

    // The names of the fields record class R declares, in declaration order.
    template <Record R> static QStringList getProperties() { return RecordMapper::fieldNames<R>(); }

    static const RecordFields<KQProject>& fields();
};
