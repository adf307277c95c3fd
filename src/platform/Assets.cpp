#include "platform/Assets.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace {
QString pathOf(const QString& name) {
    return QStringLiteral(":/images/%1.svg").arg(name);
}

qreal devicePixelRatio() {
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

QPixmap render(const QString& name, QSize points, qreal dpr) {
    QSvgRenderer renderer(pathOf(name));
    if (!renderer.isValid()) {
        return {};
    }
    if (points.isEmpty()) {
        points = renderer.defaultSize();
    }
    if (points.isEmpty()) {
        return {};
    }
    QPixmap pixmap(points * dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}
} // namespace

bool Assets::exists(const QString& name) {
    // A name is one picture in the image folder, never a path.
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    return plainName.match(name).hasMatch() && !name.startsWith(u'.') &&
           QFile::exists(pathOf(name));
}

QPixmap Assets::image(const QString& name) {
    return image(name, QSize());
}

QPixmap Assets::image(const QString& name, QSize points) {
    if (!exists(name)) {
        return {};
    }
    const qreal dpr = devicePixelRatio();
    const QString key = QStringLiteral("asset:%1@%2x%3@%4")
                            .arg(name)
                            .arg(points.width())
                            .arg(points.height())
                            .arg(dpr);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = render(name, points, dpr);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QIcon Assets::icon(const QString& name) {
    const QPixmap pixmap = image(name);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}
