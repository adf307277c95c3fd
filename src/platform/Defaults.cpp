#include "platform/Defaults.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {
struct Store {
    QString folder;
    std::unique_ptr<QSettings> settings;
};

Store& store() {
    static Store s;
    return s;
}

QString storeFolder() {
    const QString& folder = store().folder;
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                            : folder;
}

QSettings& settings() {
    Store& s = store();
    if (!s.settings) {
        QDir().mkpath(storeFolder());
        s.settings = std::make_unique<QSettings>(Defaults::filePath(), QSettings::IniFormat);
    }
    return *s.settings;
}
} // namespace

QVariant Defaults::value(const QString& key) {
    return settings().value(key);
}

void Defaults::setValue(const QString& key, const QVariant& value) {
    settings().setValue(key, value);
    settings().sync();
}

void Defaults::remove(const QString& key) {
    settings().remove(key);
    settings().sync();
}

bool Defaults::contains(const QString& key) {
    return settings().contains(key);
}

void Defaults::redirectTo(const QString& folder) {
    store().settings.reset();
    store().folder = folder;
}

QString Defaults::filePath() {
    return QDir(storeFolder()).filePath(QStringLiteral("defaults.ini"));
}
