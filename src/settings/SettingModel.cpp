#include "settings/SettingModel.h"

QList<QList<SettingModel>> SettingModel::settingModelList() {
    return {
        {
            {QStringLiteral("Setting_dianpu"), QStringLiteral("公司名"), QStringLiteral("公司名")},
            {QStringLiteral("tabbar_geren_l"), QStringLiteral("联系人"), QStringLiteral("未完善")},
            {QStringLiteral("Setting_dingwei"), QStringLiteral("联系地址"),
             QStringLiteral("未完善")},
            {QStringLiteral("Setting_xinxi"), QStringLiteral("联系邮箱"), QStringLiteral("邮箱")},
            {QStringLiteral("Setting_yuming"), QStringLiteral("域名设置"),
             QStringLiteral("未完善")},
        },
        {
            {QStringLiteral("Setting_shezhi"), QStringLiteral("系统设置"), QString()},
        },
    };
}
