#pragma once

#include <QByteArray>
#include <QString>

// Small private files: replaced atomically (a crash leaves the old content or the new, never a
// mix) and readable by the owner only.
class SecureFile {
public:
    static bool write(const QString& path, const QByteArray& content);
};
