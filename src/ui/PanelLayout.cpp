#include "ui/PanelLayout.h"

#include "platform/Assets.h"
#include "ui/KQBorderButton.h"
#include "ui/Style.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>

namespace {

const char* const imageProperty = "layoutImage";

Qt::Alignment alignmentOf(const QString& align) {
    if (align == u"center") {
        return Qt::AlignCenter;
    }
    if (align == u"right") {
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

namespace LayoutFile {

QJsonObject read(const QString& name) {
    QFile file(QStringLiteral(":/layouts/%1.json").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

QRect frame(const QJsonObject& element, int containerWidth) {
    const int y = element.value(QStringLiteral("y")).toInt();
    const int height = element.value(QStringLiteral("height")).toInt();
    const int width = element.value(QStringLiteral("width")).toInt();
    const bool fromLeft = element.contains(QStringLiteral("x"));
    const bool fromRight = element.contains(QStringLiteral("right"));
    const int x = element.value(QStringLiteral("x")).toInt();
    const int right = element.value(QStringLiteral("right")).toInt();
    if (fromLeft && fromRight) {
        return QRect(x, y, qMax(0, containerWidth - x - right), height);
    }
    if (fromRight) {
        return QRect(containerWidth - right - width, y, width, height);
    }
    if (element.contains(QStringLiteral("centerX"))) {
        const int offset = element.value(QStringLiteral("centerX")).toInt();
        return QRect(containerWidth / 2 + offset - width / 2, y, width, height);
    }
    return QRect(x, y, width, height);
}

QColor colour(const QJsonValue& value, const QColor& fallback) {
    const QJsonArray rgb = value.toArray();
    return rgb.size() == 3 ? QColor(rgb.at(0).toInt(), rgb.at(1).toInt(), rgb.at(2).toInt())
                           : fallback;
}

} // namespace LayoutFile

PanelLayout::PanelLayout(const QString& name, QWidget* parent)
    : QWidget(parent), name_(name), description_(LayoutFile::read(name)) {
    setObjectName(name);
    build();
}

void PanelLayout::build() {
    setAttribute(Qt::WA_StyledBackground);
    const QColor background =
        LayoutFile::colour(description_.value(QStringLiteral("background")), QColor(Qt::white));
    setStyleSheet(
        QStringLiteral("PanelLayout { background: %1; }").arg(Style::rgbText(background)));
    for (const QJsonValue& value : description_.value(QStringLiteral("elements")).toArray()) {
        makeElement(value.toObject());
    }
    placeElements();
}

QWidget* PanelLayout::makeElement(const QJsonObject& element) {
    const QString type = element.value(QStringLiteral("type")).toString();
    const QString text = element.value(QStringLiteral("text")).toString();
    const int points = element.value(QStringLiteral("fontSize")).toInt(14);
    const QColor colour =
        LayoutFile::colour(element.value(QStringLiteral("color")), Style::darkText());
    QWidget* widget = nullptr;
    if (type == u"image") {
        auto* picture = new QLabel(this);
        // Drawn once the panel knows how wide the picture's frame is.
        picture->setProperty(imageProperty, element.value(QStringLiteral("image")).toString());
        picture->setAlignment(Qt::AlignCenter);
        widget = picture;
    } else if (type == u"borderButton") {
        auto* button = new KQBorderButton(text, this);
        button->setFont(Style::systemFont(points));
        button->setStyleSheet(QStringLiteral("QPushButton { color: %1; background: transparent;"
                                             " border: none; }")
                                  .arg(Style::rgbText(colour)));
        widget = button;
    } else {
        auto* label = new QLabel(text, this);
        label->setFont(Style::systemFont(points));
        label->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(colour)));
        label->setAlignment(alignmentOf(element.value(QStringLiteral("align")).toString()));
        label->setWordWrap(element.value(QStringLiteral("lines")).toInt(1) != 1);
        widget = label;
    }
    widget->setObjectName(element.value(QStringLiteral("name")).toString());
    return widget;
}

void PanelLayout::placeElements() {
    const QJsonArray elements = description_.value(QStringLiteral("elements")).toArray();
    for (const QJsonValue& value : elements) {
        const QJsonObject entry = value.toObject();
        QWidget* widget = element<QWidget>(entry.value(QStringLiteral("name")).toString());
        if (!widget) {
            continue;
        }
        const QRect frame = LayoutFile::frame(entry, width());
        const bool resized = widget->size() != frame.size();
        widget->setGeometry(frame);
        const QString image = widget->property(imageProperty).toString();
        if (!image.isEmpty() && (resized || static_cast<QLabel*>(widget)->pixmap().isNull())) {
            static_cast<QLabel*>(widget)->setPixmap(Assets::image(image, frame.size()));
        }
    }
}

void PanelLayout::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeElements();
}
