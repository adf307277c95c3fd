#pragma once

#include <QList>
#include <QString>

// One row of the personal centre: its picture, its title and the text at its right.
struct SettingModel {
    QString icon;
    QString leftTitle;
    QString rigtTitle;

    // The fixed rows: the profile fields in section 0, "系统设置" alone in section 1. The texts
    // at the right stand until the profile has loaded.
    static QList<QList<SettingModel>> settingModelList();
};
