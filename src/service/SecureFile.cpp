#include "service/SecureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool SecureFile::write(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    const bool written = file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         file.write(content) == content.size() && file.commit();
    if (!written) {
        qWarning("cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
    }
    return written;
}
