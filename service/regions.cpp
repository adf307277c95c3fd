#include "regions.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

namespace {

struct City {
    QString name;
    QString provinceId;
};

struct Regions {
    QHash<QString, QString> provinces; // identifier -> name
    QHash<QString, City> cities;       // identifier -> name and province
};

// One dictionary of the list: its text entries (name -> identifier) and, for a province, the
// text entries of the dictionaries in its array of cities.
void readDictionary(QXmlStreamReader& xml, QList<QPair<QString, QString>>& entries,
                    QList<QPair<QString, QString>>* cities) {
    QString key;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"key") {
            key = xml.readElementText();
        } else if (xml.name() == u"string") {
            entries.append({key, xml.readElementText()});
        } else if (xml.name() == u"array" && cities) {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"dict") {
                    readDictionary(xml, *cities, nullptr);
                } else {
                    xml.skipCurrentElement();
                }
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

Regions readRegions() {
    Regions regions;
    QFile file(QStringLiteral(":/city.plist"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("the region list is missing from the service");
        return regions;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != u"plist" || !xml.readNextStartElement() ||
        xml.name() != u"array") {
        qWarning("the region list is not a list of provinces");
        return regions;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != u"dict") {
            xml.skipCurrentElement();
            continue;
        }
        QList<QPair<QString, QString>> province;
        QList<QPair<QString, QString>> cities;
        readDictionary(xml, province, &cities);
        if (province.isEmpty()) {
            continue;
        }
        const QString provinceId = province.first().second;
        regions.provinces.insert(provinceId, province.first().first);
        for (const auto& [name, id] : cities) {
            regions.cities.insert(id, City{name, provinceId});
        }
    }
    if (xml.hasError()) {
        qWarning("the region list is damaged: %s", qPrintable(xml.errorString()));
    }
    return regions;
}

const Regions& regions() {
    static const Regions list = readRegions();
    return list;
}

} // namespace

QString provinceName(const QString& provinceId) {
    return regions().provinces.value(provinceId);
}

QString cityName(const QString& cityId) {
    return regions().cities.value(cityId).name;
}

bool regionIdsFit(const QString& provinceId, const QString& cityId) {
    if (!provinceId.isEmpty() && !regions().provinces.contains(provinceId)) {
        return false;
    }
    if (cityId.isEmpty()) {
        return true;
    }
    const auto city = regions().cities.constFind(cityId);
    return city != regions().cities.constEnd() &&
           (provinceId.isEmpty() || city->provinceId == provinceId);
}
