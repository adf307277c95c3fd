#include "platform/TableView.h"

#include "platform/Assets.h"
#include "platform/KineticScrolling.h"
#include "platform/RefreshControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollEvent>
#include <QScrollPrepareEvent>
#include <QWheelEvent>
#include <algorithm>

namespace {
constexpr int animationMs = 250;
constexpr int wheelStep = 60; // one notch of a mouse wheel, in points
constexpr int indicatorWidth = 3;
constexpr int indicatorMinimumLength = 20;
const QColor groupedBackground(240, 241, 245);
constexpr int tickSize = 22;

bool intersects(int y, int height, int top, int bottom) {
    return height > 0 && y < bottom && y + height > top;
}

// A thin bar at the right edge that shows where the viewport is in the content.
class ScrollIndicator : public QWidget {
public:
    explicit ScrollIndicator(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawRoundedRect(rect(), width() / 2.0, width() / 2.0);
    }
};

// The tick circle beside a row of an editing table. It draws its row's checked state and a
// touch on it counts as a touch on the row; assistive technology reaches the row itself.
class TickMark : public QWidget {
public:
    TickMark(TableCell* cell, QWidget* viewport) : QWidget(viewport), m_cell(cell) {
        setObjectName("tickMark");
        connect(cell, &QAbstractButton::toggled, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QPixmap tick = Assets::image(
            m_cell->isChecked() ? "tableView_tick" : "tableView_untick", QSize(tickSize, tickSize));
        QPainter(this).drawPixmap((width() - tickSize) / 2, (height() - tickSize) / 2, tick);
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (rect().contains(event->position().toPoint())) {
            m_cell->click();
        }
    }

private:
    TableCell* m_cell;
};
} // namespace

int TableDataSource::numberOfSections(TableView*) {
    return 1;
}

int TableDataSource::heightForRow(TableView* table, IndexPath) {
    return table->rowHeight();
}

int TableDataSource::heightForHeader(TableView* table, int) {
    return table->sectionHeaderHeight();
}

QWidget* TableDataSource::viewForHeader(TableView*, int) {
    return nullptr;
}

int TableDataSource::heightForFooter(TableView* table, int) {
    return table->sectionFooterHeight();
}

QWidget* TableDataSource::viewForFooter(TableView*, int) {
    return nullptr;
}

bool TableDataSource::isRowTicked(TableView*, IndexPath) {
    return false;
}

void TableDataSource::setRowTicked(TableView*, IndexPath, bool) {}

TableView::TableView(Style style, QWidget* parent)
    : QAbstractScrollArea(parent), m_style(style), m_indicator(new ScrollIndicator(viewport())) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (style == Style::Grouped) {
        m_sectionHeaderHeight = 10;
        m_sectionFooterHeight = 10;
    }
    setBackgroundColor(style == Style::Grouped ? groupedBackground : QColor(Qt::white));
    m_indicator->hide();
    m_scroller =
        KineticScrolling::enable(viewport(), Qt::Vertical, KineticScrolling::Edges::AlwaysBounce);
    connect(m_scroller, &QScroller::stateChanged, this, &TableView::onScrollerStateChanged);
}

void TableView::setEditing(bool editing) {
    if (m_editing == editing) {
        return;
    }
    m_editing = editing;
    layoutContent();
}

void TableView::setDataSource(TableDataSource* dataSource) {
    m_dataSource = dataSource;
}

void TableView::setRowHeight(int height) {
    m_rowHeight = height;
}

void TableView::setSectionHeaderHeight(int height) {
    m_sectionHeaderHeight = height;
}

void TableView::setSectionFooterHeight(int height) {
    m_sectionFooterHeight = height;
}

void TableView::setSeparatorsShown(bool shown) {
    m_separatorsShown = shown;
    layoutContent();
}

void TableView::setSeparatorColor(const QColor& color) {
    m_separatorColor = color;
    layoutContent();
}

void TableView::setSeparatorInset(int left) {
    m_separatorInset = left;
    layoutContent();
}

void TableView::setBackgroundColor(const QColor& color) {
    const bool opaque = color.alpha() > 0;
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(opaque);
    setAutoFillBackground(opaque);
    setPalette(palette);
}

QColor TableView::backgroundColor() const {
    return viewport()->palette().color(QPalette::Window);
}

void TableView::setShowsVerticalScrollIndicator(bool shown) {
    m_showsIndicator = shown;
    placeScrollIndicator();
}

void TableView::setContentInset(int top, int bottom) {
    m_insetTop = top;
    m_insetBottom = bottom;
    rangeChanged();
}

void TableView::reloadData() {
    const QList<TableCell*> shown = m_visible.values();
    m_visible.clear();
    for (TableCell* cell : shown) {
        recycle(cell);
    }
    clearHeadersAndFooters();
    rebuildGeometry();
    rangeChanged();
    layoutContent();
}

void TableView::setTableHeaderView(QWidget* view) {
    if (view == m_tableHeader) {
        return;
    }
    delete m_tableHeader;
    m_tableHeader = view;
    if (view) {
        view->setParent(viewport());
        view->show();
    }
    reloadData();
}

TableCell* TableView::dequeueReusableCell(const QString& identifier) {
    auto free = m_reusable.find(identifier);
    if (free == m_reusable.end() || free->isEmpty()) {
        return nullptr;
    }
    TableCell* cell = free->takeLast();
    cell->setDown(false);
    cell->prepareForReuse();
    return cell;
}

int TableView::numberOfRows(int section) const {
    if (section < 0 || section >= numberOfSections()) {
        return 0;
    }
    return int(m_sections[size_t(section)].rowTops.size()) - 1;
}

QRect TableView::rectForRow(IndexPath indexPath) const {
    if (indexPath.row < 0 || indexPath.row >= numberOfRows(indexPath.section)) {
        return {};
    }
    const std::vector<int>& tops = m_sections[size_t(indexPath.section)].rowTops;
    const size_t row = size_t(indexPath.row);
    return QRect(0, tops[row], viewport()->width(), tops[row + 1] - tops[row]);
}

TableCell* TableView::cellForRow(IndexPath indexPath) const {
    return m_visible.value(indexPath);
}

std::optional<IndexPath> TableView::indexPathForCell(const TableCell* cell) const {
    if (!cell || m_visible.value(cell->m_indexPath) != cell) {
        return std::nullopt;
    }
    return cell->m_indexPath;
}

QList<TableCell*> TableView::visibleCells() const {
    return m_visible.values();
}

int TableView::rowWidgetCount() const {
    int count = int(m_visible.size());
    for (const QList<TableCell*>& free : m_reusable) {
        count += int(free.size());
    }
    return count;
}

int TableView::minimumContentOffset() const {
    return -effectiveInsetTop();
}

int TableView::maximumContentOffset() const {
    const int bottomEdge = m_contentHeight + effectiveInsetBottom() - viewport()->height();
    return std::max(minimumContentOffset(), bottomEdge);
}

void TableView::setContentOffset(int y, bool animated) {
    const int target = std::clamp(y, minimumContentOffset(), maximumContentOffset());
    if (animated && isVisible()) {
        animateOffset(target);
        return;
    }
    m_scroller->stop();
    applyOffset(target, 0);
}

void TableView::scrollToTop(bool animated) {
    setContentOffset(minimumContentOffset(), animated);
}

void TableView::setOverlayView(QWidget* view) {
    if (m_overlay == view) {
        return;
    }
    delete m_overlay;
    m_overlay = view;
    if (view) {
        view->setParent(viewport());
        view->show();
    }
    layoutDecorations();
}

RefreshControl* TableView::addRefreshHeader(std::function<void()> onRefresh) {
    delete m_header;
    m_header = new RefreshControl(RefreshControl::Kind::Header, std::move(onRefresh), this);
    layoutDecorations();
    return m_header;
}

RefreshControl* TableView::addLoadMoreFooter(std::function<void()> onLoadMore) {
    delete m_footer;
    m_footer = new RefreshControl(RefreshControl::Kind::Footer, std::move(onLoadMore), this);
    layoutDecorations();
    return m_footer;
}

bool TableView::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::ScrollPrepare: {
        auto* prepare = static_cast<QScrollPrepareEvent*>(event);
        const int top = minimumContentOffset();
        prepare->setViewportSize(viewport()->size());
        prepare->setContentPosRange(QRectF(0, top, 0, maximumContentOffset() - top));
        // Where the content is drawn, overshoot included, so a range that changes while the
        // content springs back (a refresh control starting) moves nothing by itself.
        prepare->setContentPos(QPointF(0, m_offset + m_overshoot));
        prepare->accept();
        return true;
    }
    case QEvent::Scroll: {
        auto* scroll = static_cast<QScrollEvent*>(event);
        const bool finished = scroll->scrollState() == QScrollEvent::ScrollFinished;
        applyOffset(qRound(scroll->contentPos().y()),
                    finished ? 0 : scroll->overshootDistance().y());
        return true;
    }
    default:
        return QAbstractScrollArea::viewportEvent(event);
    }
}

void TableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    rangeChanged();
    layoutContent();
}

void TableView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (m_hasBeenShown) {
        return;
    }
    m_hasBeenShown = true;
    for (RefreshControl* control : {m_header, m_footer}) {
        if (control) {
            control->tableShown();
        }
    }
}

void TableView::wheelEvent(QWheelEvent* event) {
    const int delta = event->pixelDelta().y() != 0 ? event->pixelDelta().y()
                                                   : event->angleDelta().y() * wheelStep / 120;
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    m_scroller->stop();
    const int target = m_offset - delta;
    const int top = minimumContentOffset();
    const int bottom = maximumContentOffset();
    // Turning the wheel on past an edge counts as a pull; two notches start the control.
    RefreshControl* pulled = target < top ? m_header : target > bottom ? m_footer : nullptr;
    const int beyond = target < top ? top - target : target - bottom;
    m_wheelPull = pulled ? m_wheelPull + beyond : 0;
    if (pulled && m_wheelPull >= 2 * wheelStep) {
        m_wheelPull = 0;
        pulled->beginRefreshing();
    }
    applyOffset(std::clamp(target, minimumContentOffset(), maximumContentOffset()), 0);
}

void TableView::rebuildGeometry() {
    m_sections.clear();
    m_contentHeight = m_tableHeader ? m_tableHeader->height() : 0;
    if (!m_dataSource) {
        return;
    }
    const int sections = std::max(0, m_dataSource->numberOfSections(this));
    m_sections.resize(size_t(sections));
    int y = m_tableHeader ? m_tableHeader->height() : 0;
    for (int s = 0; s < sections; ++s) {
        Section& section = m_sections[size_t(s)];
        section.top = y;
        section.headerHeight = std::max(0, m_dataSource->heightForHeader(this, s));
        y += section.headerHeight;
        const int rows = std::max(0, m_dataSource->numberOfRows(this, s));
        section.rowTops.reserve(size_t(rows) + 1);
        for (int r = 0; r < rows; ++r) {
            section.rowTops.push_back(y);
            y += std::max(0, m_dataSource->heightForRow(this, {s, r}));
        }
        section.rowTops.push_back(y);
        section.footerHeight = std::max(0, m_dataSource->heightForFooter(this, s));
        y += section.footerHeight;
    }
    m_contentHeight = y;
}

void TableView::clearHeadersAndFooters() {
    for (QHash<int, QWidget*>* views : {&m_headers, &m_footers}) {
        for (QWidget* view : std::as_const(*views)) {
            // A footer may be clearing the table from its own button's click handler.
            view->hide();
            view->deleteLater();
        }
        views->clear();
    }
}

void TableView::recycle(TableCell* cell) {
    cell->hide();
    if (cell->m_tickMark) {
        cell->m_tickMark->hide();
    }
    m_reusable[cell->reuseIdentifier()].append(cell);
}

void TableView::layoutContent() {
    const int top = m_offset + qRound(m_overshoot);
    const int bottom = top + viewport()->height();
    layoutRows(top, bottom);
    layoutSectionViews(top, bottom);
    layoutDecorations();
}

void TableView::layoutRows(int top, int bottom) {
    for (auto it = m_visible.begin(); it != m_visible.end();) {
        const QRect rect = rectForRow(it.key());
        if (rect.isValid() && intersects(rect.y(), rect.height(), top, bottom)) {
            ++it;
            continue;
        }
        recycle(it.value());
        it = m_visible.erase(it);
    }
    if (!m_dataSource) {
        return;
    }
    const int width = viewport()->width();
    const int indent = m_editing ? EditingIndent : 0;
    for (int s = firstSectionEndingAfter(top); s < numberOfSections(); ++s) {
        const Section& section = m_sections[size_t(s)];
        if (section.top >= bottom) {
            break;
        }
        const std::vector<int>& tops = section.rowTops;
        const auto after = std::upper_bound(tops.begin(), tops.end() - 1, top);
        int r = std::max(0, int(after - tops.begin()) - 1);
        for (; r < int(tops.size()) - 1 && tops[size_t(r)] < bottom; ++r) {
            const int y = tops[size_t(r)];
            const int height = tops[size_t(r) + 1] - y;
            if (!intersects(y, height, top, bottom)) {
                continue;
            }
            const IndexPath path{s, r};
            TableCell* cell = m_visible.value(path);
            if (!cell) {
                cell = makeCell(path);
            }
            cell->setGeometry(indent, y - top, width - indent, height);
            cell->setSeparator(m_separatorsShown, m_separatorInset, m_separatorColor);
            showTick(cell, path);
        }
    }
}

TableCell* TableView::makeCell(IndexPath indexPath) {
    TableCell* cell = m_dataSource->cellForRow(this, indexPath);
    if (!cell) {
        qWarning("TableView: the data source gave no row for %d/%d", indexPath.section,
                 indexPath.row);
        cell = new TableCell(QString(), viewport());
        cell->setSelectionStyle(TableCell::SelectionStyle::None);
    }
    if (m_visible.value(cell->m_indexPath) == cell) {
        m_visible.remove(cell->m_indexPath);
    }
    m_reusable[cell->reuseIdentifier()].removeOne(cell);
    if (cell->parentWidget() != viewport()) {
        cell->setParent(viewport());
    }
    connect(cell, &QAbstractButton::clicked, this, &TableView::onCellClicked, Qt::UniqueConnection);
    cell->m_indexPath = indexPath;
    m_visible.insert(indexPath, cell);
    cell->show();
    return cell;
}

void TableView::layoutSectionViews(int top, int bottom) {
    for (QHash<int, QWidget*>* views : {&m_headers, &m_footers}) {
        const bool headers = views == &m_headers;
        for (auto it = views->begin(); it != views->end();) {
            const Section* section =
                it.key() < numberOfSections() ? &m_sections[size_t(it.key())] : nullptr;
            const int y = !section ? 0 : headers ? section->top : section->rowTops.back();
            const int height = !section  ? 0
                               : headers ? section->headerHeight
                                         : section->footerHeight;
            if (intersects(y, height, top, bottom)) {
                ++it;
                continue;
            }
            it.value()->hide();
            it.value()->deleteLater();
            it = views->erase(it);
        }
    }
    if (!m_dataSource) {
        return;
    }
    for (int s = firstSectionEndingAfter(top); s < numberOfSections(); ++s) {
        const Section& section = m_sections[size_t(s)];
        if (section.top >= bottom) {
            break;
        }
        placeSectionView(m_headers, s, true, section.top, section.headerHeight, top, bottom);
        placeSectionView(m_footers, s, false, section.rowTops.back(), section.footerHeight, top,
                         bottom);
    }
}

void TableView::placeSectionView(QHash<int, QWidget*>& views, int section, bool header, int y,
                                 int height, int top, int bottom) {
    if (!intersects(y, height, top, bottom)) {
        return;
    }
    QWidget* view = views.value(section);
    if (!view) {
        view = header ? m_dataSource->viewForHeader(this, section)
                      : m_dataSource->viewForFooter(this, section);
        if (!view) {
            return;
        }
        view->setParent(viewport());
        view->show();
        views.insert(section, view);
    }
    view->setGeometry(0, y - top, viewport()->width(), height);
}

void TableView::layoutDecorations() {
    const int visual = m_offset + qRound(m_overshoot);
    const int width = viewport()->width();
    if (m_tableHeader) {
        m_tableHeader->setGeometry(0, -visual, width, m_tableHeader->height());
    }
    if (m_overlay) {
        m_overlay->setGeometry(0, -m_insetTop - visual, width, viewport()->height());
        m_overlay->raise();
    }
    if (m_header) {
        m_header->setGeometry(0, -m_insetTop - RefreshControl::Height - visual, width,
                              RefreshControl::Height);
        m_header->setVisible(m_header->state() != RefreshControl::State::Idle);
    }
    if (m_footer) {
        m_footer->setGeometry(0, m_contentHeight + m_insetBottom - visual, width,
                              RefreshControl::Height);
        m_footer->setVisible(m_footer->state() != RefreshControl::State::Idle);
    }
    placeScrollIndicator();
}

void TableView::placeScrollIndicator() {
    const int top = minimumContentOffset();
    const int range = maximumContentOffset() - top;
    const int viewportHeight = viewport()->height();
    if (!m_showsIndicator || range <= 0 || viewportHeight <= 0) {
        m_indicator->hide();
        return;
    }
    const int length = std::max(indicatorMinimumLength,
                                viewportHeight * viewportHeight / (viewportHeight + range));
    const qreal progress = std::clamp(qreal(m_offset - top) / range, 0.0, 1.0);
    m_indicator->setGeometry(viewport()->width() - indicatorWidth - 2,
                             qRound(progress * (viewportHeight - length)), indicatorWidth, length);
    m_indicator->show();
    m_indicator->raise();
}

int TableView::firstSectionEndingAfter(int y) const {
    auto it = std::partition_point(m_sections.begin(), m_sections.end(),
                                   [y](const Section& section) { return section.bottom() <= y; });
    return int(it - m_sections.begin());
}

void TableView::applyOffset(int offset, qreal overshoot) {
    const bool moved = offset != m_offset;
    m_offset = offset;
    m_overshoot = overshoot;
    if (m_header) {
        m_header->setPullDistance(headerPull());
    }
    if (m_footer) {
        m_footer->setPullDistance(footerPull());
    }
    layoutContent();
    if (moved) {
        emit contentOffsetChanged(offset);
    }
}

void TableView::animateOffset(int offset) {
    m_scroller->scrollTo(QPointF(0, offset), animationMs);
}

void TableView::rangeChanged() {
    if (m_scroller->state() != QScroller::Inactive) {
        m_scroller->resendPrepareEvent();
        return;
    }
    const int clamped = std::clamp(m_offset, minimumContentOffset(), maximumContentOffset());
    if (clamped != m_offset) {
        applyOffset(clamped, 0);
    } else {
        layoutDecorations();
    }
}

int TableView::effectiveInsetTop() const {
    const bool running = m_header && m_header->state() == RefreshControl::State::Refreshing;
    return m_insetTop + (running ? RefreshControl::Height : 0);
}

int TableView::effectiveInsetBottom() const {
    const bool running = m_footer && m_footer->state() == RefreshControl::State::Refreshing;
    return m_insetBottom + (running ? RefreshControl::Height : 0);
}

int TableView::headerPull() const {
    return -m_insetTop - (m_offset + qRound(m_overshoot));
}

int TableView::footerPull() const {
    const int restingBottom =
        std::max(-m_insetTop, m_contentHeight + m_insetBottom - viewport()->height());
    return m_offset + qRound(m_overshoot) - restingBottom;
}

void TableView::onScrollerStateChanged(QScroller::State state) {
    const QScroller::State previous = m_scrollerState;
    m_scrollerState = state;
    if (previous != QScroller::Dragging || state == QScroller::Dragging) {
        return;
    }
    for (RefreshControl* control : {m_header, m_footer}) {
        if (control) {
            control->release();
        }
    }
}

void TableView::showTick(TableCell* cell, IndexPath indexPath) {
    if (!m_editing) {
        cell->setCheckable(false);
        if (cell->m_tickMark) {
            cell->m_tickMark->hide();
        }
        return;
    }
    cell->setCheckable(true);
    cell->setChecked(m_dataSource->isRowTicked(this, indexPath));
    if (!cell->m_tickMark) {
        cell->m_tickMark = new TickMark(cell, viewport());
    }
    cell->m_tickMark->setGeometry(0, cell->y(), EditingIndent, cell->height());
    cell->m_tickMark->show();
}

void TableView::onCellClicked() {
    auto* cell = qobject_cast<TableCell*>(sender());
    const auto path = indexPathForCell(cell);
    if (!path) {
        return;
    }
    if (!m_editing) {
        emit rowSelected(path->section, path->row);
        return;
    }
    m_dataSource->setRowTicked(this, *path, !m_dataSource->isRowTicked(this, *path));
    // The data source may have rebuilt the table from its own report.
    if (cellForRow(*path) == cell) {
        cell->setChecked(m_dataSource->isRowTicked(this, *path));
    }
}

void TableView::refreshStateChanged(RefreshControl* control) {
    const bool started = control->state() == RefreshControl::State::Refreshing;
    if (m_scroller->state() != QScroller::Inactive) {
        // A pull is springing back: let it come to rest at the edge that now includes
        // (or no longer includes) the control.
        m_scroller->resendPrepareEvent();
        layoutDecorations();
        return;
    }
    if (control == m_header && started) {
        // Started from code: bring the header into view like a pull would.
        setContentOffset(minimumContentOffset(), isVisible());
        return;
    }
    if (!started) {
        // The screen usually reloads right after ending; settle once the new rows are in.
        QMetaObject::invokeMethod(
            this,
            [this] {
                const int clamped =
                    std::clamp(m_offset, minimumContentOffset(), maximumContentOffset());
                if (clamped != m_offset) {
                    setContentOffset(clamped, isVisible());
                } else {
                    layoutDecorations();
                }
            },
            Qt::QueuedConnection);
    }
    layoutDecorations();
}
