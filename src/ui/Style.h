#pragma once

#include <QColor>
#include <QFont>

// The colours that carry meaning across screens, and the system font in points.
namespace Style {

inline QColor accentRed() {
    return QColor(249, 81, 70);
} // primary buttons
inline QColor selectedRed() {
    return QColor(255, 79, 79);
} // selected tabs, action labels
inline QColor darkText() {
    return QColor(56, 56, 56);
}
inline QColor greyText() {
    return QColor(156, 162, 162);
}
inline QColor hairline() {
    return QColor(231, 238, 241);
}
inline QColor background() {
    return QColor(240, 241, 245);
} // screens and section gaps

// One point is one device-independent pixel, so sizes are pixel sizes.
inline QFont systemFont(int points) {
    QFont font;
    font.setPixelSize(points);
    return font;
}

inline QString rgbText(const QColor& c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// The red primary button: a white title, a paler one while it takes no touches.
inline QString primaryButtonSheet() {
    return QStringLiteral("QPushButton { background: %1; color: white; border: none; }"
                          "QPushButton:disabled { color: rgb(251,164,160); }")
        .arg(rgbText(accentRed()));
}

// The red button of forms and bottom bars (RGB 255/79/79) with a white title.
inline QString actionButtonSheet() {
    return QStringLiteral("QPushButton { background: %1; color: white; border: none; }")
        .arg(rgbText(selectedRed()));
}

} // namespace Style
