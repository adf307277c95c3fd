#pragma once

#include "platform/TableCell.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QScroller>
#include <functional>
#include <optional>
#include <vector>

class RefreshControl;
class TableView;

// What a table asks of the screen that fills it. Only the row count and the rows
// themselves are required; the rest falls back to the table's defaults.
class TableDataSource {
public:
    virtual ~TableDataSource() = default;

    virtual int numberOfSections(TableView* table);
    virtual int numberOfRows(TableView* table, int section) = 0;
    // Take a row with TableView::dequeueReusableCell and make a new one only when none is
    // free. The table owns the row it gets back.
    virtual TableCell* cellForRow(TableView* table, IndexPath indexPath) = 0;
    virtual int heightForRow(TableView* table, IndexPath indexPath);

    // Header and footer views are asked for when their section comes into view; the table
    // owns what it gets and deletes it once it scrolls away or the table reloads.
    virtual int heightForHeader(TableView* table, int section);
    virtual QWidget* viewForHeader(TableView* table, int section);
    virtual int heightForFooter(TableView* table, int section);
    virtual QWidget* viewForFooter(TableView* table, int section);

    // Ticks while the table is editing. The table keeps none of its own (its row widgets are
    // reused for other rows): it asks for every row it shows, reports the owner's touch and
    // then asks again, so a refused tick stays off.
    virtual bool isRowTicked(TableView* table, IndexPath indexPath);
    virtual void setRowTicked(TableView* table, IndexPath indexPath, bool ticked);
};

// A vertically scrolling list of sections, each with an optional header, rows and an
// optional footer. Only rows on screen exist as widgets; rows that scroll away wait
// under their reuse identifier to be handed out again.
class TableView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Style { Plain, Grouped };

    explicit TableView(Style style = Style::Plain, QWidget* parent = nullptr);

    Style style() const { return m_style; }

    // Not owned. Nothing is asked until reloadData().
    void setDataSource(TableDataSource* dataSource);
    TableDataSource* dataSource() const { return m_dataSource; }

    void setRowHeight(int height);
    int rowHeight() const { return m_rowHeight; }
    void setSectionHeaderHeight(int height);
    int sectionHeaderHeight() const { return m_sectionHeaderHeight; }
    void setSectionFooterHeight(int height);
    int sectionFooterHeight() const { return m_sectionFooterHeight; }

    // Lines under the rows; none unless asked for.
    void setSeparatorsShown(bool shown);
    bool separatorsShown() const { return m_separatorsShown; }
    void setSeparatorColor(const QColor& color);
    void setSeparatorInset(int left);

    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const;
    void setShowsVerticalScrollIndicator(bool shown);

    // Extra room above the first and below the last content; a negative top hides the
    // start of the content at rest.
    void setContentInset(int top, int bottom);
    int contentInsetTop() const { return m_insetTop; }
    int contentInsetBottom() const { return m_insetBottom; }

    // Forgets every row, header and footer and asks the data source again.
    void reloadData();
    TableCell* dequeueReusableCell(const QString& identifier);
    // A row of class Cell waiting for reuse, or a new Cell when none waits. Rows are kept under
    // Cell::kIdentifier, which must be given to TableCell by Cell and by no other class.
    template <class Cell> Cell* dequeue() {
        if (auto* reused =
                qobject_cast<Cell*>(dequeueReusableCell(QString::fromLatin1(Cell::kIdentifier)))) {
            return reused;
        }
        return new Cell;
    }

    int numberOfSections() const { return int(m_sections.size()); }
    int numberOfRows(int section) const;
    int contentHeight() const { return m_contentHeight; }
    // In content coordinates: y = 0 is the top of the first section.
    QRect rectForRow(IndexPath indexPath) const;
    TableCell* cellForRow(IndexPath indexPath) const;
    std::optional<IndexPath> indexPathForCell(const TableCell* cell) const;
    QList<TableCell*> visibleCells() const;
    QWidget* headerView(int section) const { return m_headers.value(section); }
    QWidget* footerView(int section) const { return m_footers.value(section); }
    // Every row widget the table keeps, on screen or waiting for reuse.
    int rowWidgetCount() const;

    // The content y shown at the viewport's top edge.
    int contentOffset() const { return m_offset; }
    void setContentOffset(int y, bool animated = false);
    void scrollToTop(bool animated);
    int minimumContentOffset() const;
    int maximumContentOffset() const;

    // A view above the first section that scrolls with the rows, at its own height. Owned by
    // the table; passing another replaces and deletes the old.
    void setTableHeaderView(QWidget* view);
    QWidget* tableHeaderView() const { return m_tableHeader; }

    // A view laid over the rows (an empty-state picture, say), as large as the viewport and
    // moving with a pull. Owned by the table; passing another replaces and deletes the old.
    void setOverlayView(QWidget* view);
    QWidget* overlayView() const { return m_overlay; }

    // Pull-to-refresh header and load-more footer; each calls its function when started.
    RefreshControl* addRefreshHeader(std::function<void()> onRefresh);
    RefreshControl* addLoadMoreFooter(std::function<void()> onLoadMore);
    RefreshControl* refreshHeader() const { return m_header; }
    RefreshControl* loadMoreFooter() const { return m_footer; }

    QScroller* scroller() const { return m_scroller; }
    bool hasBeenShown() const { return m_hasBeenShown; }

    // Multiple selection: while editing, every row shows a tick circle in a strip at its left
    // and its content moves right by that strip; a touch on a row ticks or unticks it through
    // the data source instead of selecting it. Rows are then checkable for assistive
    // technology.
    static constexpr int EditingIndent = 38;
    void setEditing(bool editing);
    bool isEditing() const { return m_editing; }

signals:
    void rowSelected(int section, int row);
    void contentOffsetChanged(int y);

protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class RefreshControl;

    struct Section {
        int top = 0;
        int headerHeight = 0;
        int footerHeight = 0;
        std::vector<int> rowTops; // one more than rows: the last is where the footer starts
        int bottom() const { return rowTops.back() + footerHeight; }
    };

    void rebuildGeometry();
    void clearHeadersAndFooters();
    void recycle(TableCell* cell);
    void layoutContent();
    void layoutRows(int top, int bottom);
    void layoutSectionViews(int top, int bottom);
    void placeSectionView(QHash<int, QWidget*>& views, int section, bool header, int y, int height,
                          int top, int bottom);
    void layoutDecorations();
    void placeScrollIndicator();
    TableCell* makeCell(IndexPath indexPath);
    int firstSectionEndingAfter(int y) const;
    void applyOffset(int offset, qreal overshoot);
    void animateOffset(int offset);
    void rangeChanged();
    int effectiveInsetTop() const;
    int effectiveInsetBottom() const;
    int headerPull() const;
    int footerPull() const;
    void onScrollerStateChanged(QScroller::State state);
    void onCellClicked();
    void showTick(TableCell* cell, IndexPath indexPath);
    void refreshStateChanged(RefreshControl* control);

    Style m_style;
    TableDataSource* m_dataSource = nullptr;
    int m_rowHeight = 44;
    int m_sectionHeaderHeight = 0;
    int m_sectionFooterHeight = 0;
    bool m_separatorsShown = false;
    QColor m_separatorColor{231, 238, 241};
    int m_separatorInset = 15;
    bool m_showsIndicator = true;
    int m_insetTop = 0;
    int m_insetBottom = 0;

    std::vector<Section> m_sections;
    int m_contentHeight = 0;
    int m_offset = 0;
    qreal m_overshoot = 0;
    int m_wheelPull = 0;

    QHash<IndexPath, TableCell*> m_visible;
    QHash<QString, QList<TableCell*>> m_reusable;
    QHash<int, QWidget*> m_headers;
    QHash<int, QWidget*> m_footers;
    QPointer<QWidget> m_overlay;
    QPointer<QWidget> m_tableHeader;
    QWidget* m_indicator = nullptr;
    RefreshControl* m_header = nullptr;
    RefreshControl* m_footer = nullptr;
    QScroller* m_scroller = nullptr;
    QScroller::State m_scrollerState = QScroller::Inactive;
    bool m_hasBeenShown = false;
    bool m_editing = false;
};
