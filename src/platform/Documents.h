#pragma once

#include <QString>

// The application's documents folder: QStandardPaths' AppDataLocation unless redirected.
class Documents {
public:
    // Created on first use.
    static QString folder();
    static QString filePath(const QString& name);
    static void redirectTo(const QString& folder);
};
