#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>

// Reads XML property lists. Values become QVariant: an array a QVariantList, a dictionary a
// QVariantMap, a string a QString, an integer a qint64, a real a double, true/false a bool,
// data a QByteArray and a date a QDateTime (UTC).
class PropertyList {
public:
    // The root value, or nullopt when the file cannot be read or is not a well-formed list.
    static std::optional<QVariant> read(const QString& path);
    static std::optional<QVariant> parse(const QByteArray& xml);
};
