#pragma once

#include <QString>
#include <QVariant>

// The user defaults: a small persistent key-value store in an ini file. Every change is written
// through at once, so nothing set before a crash is lost. Lists and maps keep their value types;
// plain numbers and booleans come back as text after a restart, so read them with toInt(),
// toDouble() or toBool().
class Defaults {
public:
    static QVariant value(const QString& key);
    static void setValue(const QString& key, const QVariant& value);
    static void remove(const QString& key);
    static bool contains(const QString& key);
    // Opens a fresh store in folder (tests); an empty folder returns to the standard place.
    static void redirectTo(const QString& folder);
    static QString filePath();
};
