#pragma once

#include <QJsonObject>
#include <QString>
#include <QWidget>

// A fixed panel described by a layout file (":/layouts/<name>.json"): pictures, labels and
// bordered buttons, each carrying its element name as object name. Frames are in points;
// "x" counts from the left edge, "right" from the right edge, "centerX" from the middle, and
// "x" with "right" stretches the element between both edges.
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
