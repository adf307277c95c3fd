#pragma once

#include "addresses/KQAddressManager.h"
#include "platform/PickerPopup.h"

#include <functional>

// The region picker of the address editors: a province wheel and a wheel of that province's
// cities, both in list order and standing on their first rows when it opens. Turning the
// province wheel puts the city wheel back on its first city. "确定" reports "province,city"
// (the cities' names carry no comma) and closes; "取消" closes without a report.
class RegionPicker : public PickerPopup {
    Q_OBJECT
public:
    using Confirmed = std::function<void(RegionPicker* picker, const QString& result)>;

    explicit RegionPicker(const RegionList& regions, QWidget* parent = nullptr);

    // Opens a picker of the region list over the window of screen, along its bottom edge.
    static RegionPicker* open(QWidget* screen, Confirmed confirmed);

    // The text "confirm" would report now; empty while a wheel has no rows.
    QString result() const;

    // What a receiving screen takes from a result: the part before the comma is the province,
    // the part after the last comma the city.
    struct Choice {
        QString province;
        QString city;
    };
    static Choice split(const QString& result);

    Confirmed confirmedBlock;

private:
    void showCities(int province);

    RegionList regions_;
};
