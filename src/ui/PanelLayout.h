#pragma once

#include <QColor>
#include <QJsonObject>
#include <QRect>
#include <QString>
#include <QWidget>

// Layout files (":/layouts/<name>.json") describe fixed panels and the navigation bar's slots.
// Frames are in points: "y" and "height" as given; "x" counts from the left edge, "right"
// from the right edge, "centerX" from the middle, and "x" with "right" stretches the element
// between both edges. Colours are [r, g, b].
namespace LayoutFile {
// The file's object; empty when the file is missing or not a JSON object.
QJsonObject read(const QString& name);
QRect frame(const QJsonObject& element, int containerWidth);
QColor colour(const QJsonValue& value, const QColor& fallback);
} // namespace LayoutFile

// A fixed panel described by a layout file: pictures, labels and bordered buttons, each
// carrying its element name as object name.
class PanelLayout : public QWidget {
    Q_OBJECT
public:
    // An empty panel when the file is missing or not a JSON object.
    explicit PanelLayout(const QString& name, QWidget* parent = nullptr);

    QString layoutName() const { return name_; }
    bool isValid() const { return !description_.isEmpty(); }
    // The element of that name, or nullptr.
    template <class W> W* element(const QString& elementName) const {
        return findChild<W*>(elementName, Qt::FindDirectChildrenOnly);
    }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void build();
    QWidget* makeElement(const QJsonObject& element);
    void placeElements();

    QString name_;
    QJsonObject description_;
};
