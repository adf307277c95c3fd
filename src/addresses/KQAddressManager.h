#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

// The region list: provinces and cities, each with its display name and its six-digit
// identifier, in the order the picker shows them. Read from a property list shaped as the
// resource "city.plist": an array of provinces, each a dictionary with one text entry
// (name -> identifier) and one array of cities, each city a dictionary with one entry
// (name -> identifier). Entries of another shape are passed over.
class RegionList {
public:
    struct Region {
        QString name;
        QString id;
    };
    struct Province {
        QString name;
        QString id;
        QList<Region> cities;
    };

    RegionList() = default;
    // The list compiled into the application; empty when the resource is missing or unreadable.
    static RegionList fromResource();
    static RegionList fromPropertyList(const QVariant& root);
    static QString resourcePath() { return QStringLiteral(":/city.plist"); }

    const QList<Province>& provinces() const { return provinces_; }
    bool isEmpty() const { return provinces_.isEmpty(); }

    // First match wins, in province order and then city order; the province is not consulted
    // by the city lookups. An empty argument, or a province without a name entry, finds nothing.
    std::optional<QString> provinceName(const QString& provinceId) const;
    std::optional<QString> provinceId(const QString& provinceName) const;
    std::optional<QString> cityName(const QString& cityId) const;
    std::optional<QString> cityId(const QString& cityName) const;

private:
    QList<Region> provinceEntries() const;
    QList<Region> allCities() const;

    QList<Province> provinces_;
};

// Name and identifier lookups on the region list. Stateless: every call reads the list afresh.
class KQAddressManager {
public:
    // The root array of the resource, or nothing when it is missing or unreadable.
    static std::optional<QVariantList> getAddress();
    static std::optional<QString> getProvineNameFromID(const QString& provinceId);
    static std::optional<QString> getProvineIDFromName(const QString& provinceName);
    static std::optional<QString> getCityNameFromID(const QString& cityId);
    static std::optional<QString> getCityIDFromName(const QString& cityName);
};
