#include "platform/Documents.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString& redirected() {
    static QString folder;
    return folder;
}
} // namespace

QString Documents::folder() {
    QString path = redirected().isEmpty()
                       ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                       : redirected();
    QDir().mkpath(path);
    return path;
}

QString Documents::filePath(const QString& name) {
    return QDir(folder()).filePath(name);
}

void Documents::redirectTo(const QString& folder) {
    redirected() = folder;
}
