#include "addresses/RegionPicker.h"

#include <QListWidget>

namespace {
constexpr int kProvinceWheel = 0;
constexpr int kCityWheel = 1;
} // namespace

RegionPicker::RegionPicker(const RegionList& regions, QWidget* parent)
    : PickerPopup(2, parent), regions_(regions) {
    setObjectName(QStringLiteral("regionPicker"));
    wheel(kProvinceWheel)->setAccessibleName(QStringLiteral("省份"));
    wheel(kCityWheel)->setAccessibleName(QStringLiteral("城市"));
    QStringList provinces;
    for (const RegionList::Province& province : regions_.provinces()) {
        provinces.append(province.name);
    }
    setRows(kProvinceWheel, provinces);
    showCities(0);
    connect(this, &PickerPopup::rowChanged, this, [this](int wheel, int row) {
        if (wheel == kProvinceWheel) {
            showCities(row);
        }
    });
    connect(this, &PickerPopup::confirmed, this, [this] {
        const QString chosen = result();
        if (!chosen.isEmpty() && confirmedBlock) {
            confirmedBlock(this, chosen);
        }
    });
}

RegionPicker* RegionPicker::open(QWidget* screen, Confirmed confirmed) {
    if (!screen) {
        return nullptr;
    }
    auto* picker = new RegionPicker(RegionList::fromResource());
    picker->confirmedBlock = std::move(confirmed);
    picker->showIn(screen);
    return picker;
}

void RegionPicker::showCities(int province) {
    QStringList cities;
    if (province >= 0 && province < regions_.provinces().size()) {
        for (const RegionList::Region& city : regions_.provinces().at(province).cities) {
            cities.append(city.name);
        }
    }
    setRows(kCityWheel, cities);
}

QString RegionPicker::result() const {
    if (selectedRow(kProvinceWheel) < 0 || selectedRow(kCityWheel) < 0) {
        return QString();
    }
    return QStringLiteral("%1,%2").arg(selectedText(kProvinceWheel), selectedText(kCityWheel));
}

RegionPicker::Choice RegionPicker::split(const QString& result) {
    const qsizetype first = result.indexOf(QLatin1Char(','));
    if (first < 0) {
        return Choice{result, result};
    }
    return Choice{result.left(first), result.mid(result.lastIndexOf(QLatin1Char(',')) + 1)};
}
