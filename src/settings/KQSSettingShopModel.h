#pragma once

#include "service/Record.h"

#include <QString>

// The shop profile, payload of "system/get.do"; the editors send it back with
// "system/update.do" (the name as "shop_name").
struct KQSSettingShopModel {
    QString shop_id;
    QString name;
    QString contacts;
    QString logo;
    QString province_id;
    QString provinceName;
    QString city_id;
    QString cityName;
    QString county;
    QString detail_address;
    QString email;
    QString mobile;
    QString subdomain;

    static const RecordFields<KQSSettingShopModel>& fields() {
        static const RecordFields<KQSSettingShopModel> table{
            {"shop_id", &KQSSettingShopModel::shop_id},
            {"name", &KQSSettingShopModel::name},
            {"contacts", &KQSSettingShopModel::contacts},
            {"logo", &KQSSettingShopModel::logo},
            {"province_id", &KQSSettingShopModel::province_id},
            {"provinceName", &KQSSettingShopModel::provinceName},
            {"city_id", &KQSSettingShopModel::city_id},
            {"cityName", &KQSSettingShopModel::cityName},
            {"county", &KQSSettingShopModel::county},
            {"detail_address", &KQSSettingShopModel::detail_address},
            {"email", &KQSSettingShopModel::email},
            {"mobile", &KQSSettingShopModel::mobile},
            {"subdomain", &KQSSettingShopModel::subdomain}};
        return table;
    }
};
