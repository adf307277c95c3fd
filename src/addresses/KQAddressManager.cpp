#include "addresses/KQAddressManager.h"

#include "platform/PropertyList.h"

#include <algorithm>

namespace {

// The one entry of a dictionary whose value is text, as (name, identifier).
std::optional<RegionList::Region> textEntry(const QVariantMap& dictionary) {
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        if (it.value().typeId() == QMetaType::QString) {
            return RegionList::Region{it.key(), it.value().toString()};
        }
    }
    return std::nullopt;
}

QList<RegionList::Region> citiesOf(const QVariantMap& province) {
    QList<RegionList::Region> cities;
    for (const QVariant& value : province) {
        if (value.typeId() != QMetaType::QVariantList) {
            continue;
        }
        for (const QVariant& city : value.toList()) {
            if (std::optional<RegionList::Region> entry = textEntry(city.toMap())) {
                cities.append(*entry);
            }
        }
    }
    return cities;
}

// The counterpart of the first pair whose name (or identifier) is wanted. An empty argument
// matches nothing, so a province without a name entry is never found.
std::optional<QString> counterpart(const QList<RegionList::Region>& pairs, const QString& wanted,
                                   bool byId) {
    if (wanted.isEmpty()) {
        return std::nullopt;
    }
    const auto match = std::find_if(pairs.begin(), pairs.end(), [&](const RegionList::Region& r) {
        return (byId ? r.id : r.name) == wanted;
    });
    if (match == pairs.end()) {
        return std::nullopt;
    }
    return byId ? match->name : match->id;
}

} // namespace

RegionList RegionList::fromResource() {
    return fromPropertyList(PropertyList::read(resourcePath()).value_or(QVariant()));
}

RegionList RegionList::fromPropertyList(const QVariant& root) {
    RegionList list;
    if (root.typeId() != QMetaType::QVariantList) {
        return list;
    }
    for (const QVariant& value : root.toList()) {
        const QVariantMap province = value.toMap();
        const Region entry = textEntry(province).value_or(Region());
        list.provinces_.append(Province{entry.name, entry.id, citiesOf(province)});
    }
    return list;
}

QList<RegionList::Region> RegionList::provinceEntries() const {
    QList<Region> entries;
    for (const Province& p : provinces_) {
        entries.append(Region{p.name, p.id});
    }
    return entries;
}

QList<RegionList::Region> RegionList::allCities() const {
    QList<Region> cities;
    for (const Province& p : provinces_) {
        cities.append(p.cities);
    }
    return cities;
}

std::optional<QString> RegionList::provinceName(const QString& provinceId) const {
    return counterpart(provinceEntries(), provinceId, true);
}

std::optional<QString> RegionList::provinceId(const QString& provinceName) const {
    return counterpart(provinceEntries(), provinceName, false);
}

std::optional<QString> RegionList::cityName(const QString& cityId) const {
    return counterpart(allCities(), cityId, true);
}

std::optional<QString> RegionList::cityId(const QString& cityName) const {
    return counterpart(allCities(), cityName, false);
}

std::optional<QVariantList> KQAddressManager::getAddress() {
    const std::optional<QVariant> root = PropertyList::read(RegionList::resourcePath());
    if (!root || root->typeId() != QMetaType::QVariantList) {
        return std::nullopt;
    }
    return root->toList();
}

std::optional<QString> KQAddressManager::getProvineNameFromID(const QString& provinceId) {
    return RegionList::fromResource().provinceName(provinceId);
}

std::optional<QString> KQAddressManager::getProvineIDFromName(const QString& provinceName) {
    return RegionList::fromResource().provinceId(provinceName);
}

std::optional<QString> KQAddressManager::getCityNameFromID(const QString& cityId) {
    return RegionList::fromResource().cityName(cityId);
}

std::optional<QString> KQAddressManager::getCityIDFromName(const QString& cityName) {
    return RegionList::fromResource().cityId(cityName);
}
