#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QAbstractButton;

// A bar of equal column titles, each with an arrow, laid across a screen under its top bar.
// Touching a title drops that column's rows under the bar, over a dimmed backdrop that covers
// the rest of the screen, with the chosen row marked. Choosing a row closes them, makes the
// row the column's title and reports (column, row) once; touching the backdrop or the same
// title again closes them without a choice.
class DropDownMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 44;
    static constexpr int RowHeight = 44;

    struct Column {
        QString title;
        QStringList rows;
        // The row marked as chosen before the owner picks one; -1 marks none.
        int chosenRow = 0;
    };

    explicit DropDownMenu(QWidget* parent = nullptr);
    ~DropDownMenu() override;

    // Replaces every column, closing the rows if they were open.
    void setColumns(const QList<Column>& columns);
    int columnCount() const { return int(m_columns.size()); }
    QString title(int column) const;
    QStringList rows(int column) const;
    int chosenRow(int column) const;

    QAbstractButton* titleButton(int column) const { return m_titles.value(column); }

    // The column whose rows are dropped, or -1.
    int openColumn() const { return m_openColumn; }
    void open(int column);
    void close();
    // While open: the dropped row buttons and the dimmed area under them.
    QAbstractButton* rowButton(int row) const;
    QWidget* droppedPanel() const { return m_panel; }

signals:
    void rowChosen(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutTitles();
    void placePanel();
    void titleTouched(int column);
    void choose(int column, int row);
    void markOpenTitle();

    QList<Column> m_columns;
    QList<QAbstractButton*> m_titles;
    QPointer<QWidget> m_panel;
    QList<QAbstractButton*> m_rows;
    int m_openColumn = -1;
};
