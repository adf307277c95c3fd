#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Image assets by name: ":/images/<name>.svg", drawn crisp at the device pixel ratio.
// A missing or unreadable name gives an empty image.
class Assets {
public:
    static bool exists(const QString& name);
    // At the picture's own size in points.
    static QPixmap image(const QString& name);
    static QPixmap image(const QString& name, QSize points);
    static QIcon icon(const QString& name);
};
