#pragma once

#include "service/Record.h"

#include <QList>
#include <QString>

// One of the shop's own addresses: the payload of "address/list.do" and the content of
// "address/save.do". An address not yet saved has an empty address_id.
struct KQLogisticsModel {
    QString address_id;
    QString name;
    QString province_id;
    QString province_name;
    QString city_id;
    QString city_name;
    QString county;
    QString postcode;
    QString telephone;
    QString detail_address;
    bool default_receive = false;
    bool default_send = false;
    static const RecordFields<KQLogisticsModel>& fields();

    // The records of a list reply's "data", in the order received; none when it is absent.
    static QList<KQLogisticsModel> listFromReply(const QJsonObject& reply);
};
