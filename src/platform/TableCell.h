#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPointer>
#include <QString>

class QWidget;

// Where a row sits in a table: its section and its row inside that section.
struct IndexPath {
    int section = 0;
    int row = 0;
    friend bool operator==(const IndexPath&, const IndexPath&) = default;
};

inline size_t qHash(IndexPath path, size_t seed = 0) {
    return qHashMulti(seed, path.section, path.row);
}

// One row of a TableView. Rows are pressable like buttons, so assistive technology
// can reach and activate them; their content lives in child widgets. The table
// keeps rows that scrolled away under their reuse identifier and hands them out
// again through TableView::dequeueReusableCell.
class TableCell : public QAbstractButton {
    Q_OBJECT
public:
    enum class SelectionStyle { None, Gray };

    explicit TableCell(const QString& reuseIdentifier, QWidget* parent = nullptr);
    ~TableCell() override;

    QString reuseIdentifier() const { return m_reuseIdentifier; }

    void setSelectionStyle(SelectionStyle style);
    SelectionStyle selectionStyle() const { return m_selectionStyle; }

    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return m_backgroundColor; }

    // Called when the table hands the row out again, before the data source fills it.
    virtual void prepareForReuse() {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // While its table edits, a row is checkable, but only the table's data source decides
    // whether it is ticked: a touch never flips it by itself.
    void nextCheckState() override {}

private:
    friend class TableView;
    void setSeparator(bool shown, int leftInset, const QColor& color);
    void placeSeparator();

    QString m_reuseIdentifier;
    SelectionStyle m_selectionStyle = SelectionStyle::Gray;
    QColor m_backgroundColor = Qt::white;
    QWidget* m_separator = nullptr;
    int m_separatorInset = 0;
    // The tick circle beside the row while its table edits; a sibling in the table's viewport.
    QPointer<QWidget> m_tickMark;
    IndexPath m_indexPath;
};
