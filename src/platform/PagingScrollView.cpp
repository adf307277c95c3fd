#include "platform/PagingScrollView.h"

#include "platform/KineticScrolling.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int pageAnimationMs = 300;
}

PagingScrollView::PagingScrollView(QWidget* parent)
    : QScrollArea(parent), m_content(new QWidget),
      m_scroller(KineticScrolling::enable(viewport(), Qt::Horizontal,
                                          KineticScrolling::Edges::BounceWhenScrollable)) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    setWidget(m_content);
    connect(m_scroller, &QScroller::stateChanged, this, &PagingScrollView::onScrollerStateChanged);
}

void PagingScrollView::addPage(QWidget* page) {
    page->setParent(m_content);
    m_pages.append(page);
    page->show();
    layoutPages();
}

int PagingScrollView::pageWidth() const {
    return viewport()->width();
}

int PagingScrollView::currentPage() const {
    const int width = pageWidth();
    if (width <= 0 || m_pages.isEmpty()) {
        return 0;
    }
    return std::clamp(horizontalScrollBar()->value() / width, 0, pageCount() - 1);
}

void PagingScrollView::scrollToPage(int index, bool animated) {
    if (m_pages.isEmpty()) {
        return;
    }
    const int x = std::clamp(index, 0, pageCount() - 1) * pageWidth();
    if (animated && isVisible()) {
        m_byOwner = false;
        m_scroller->scrollTo(QPointF(x, 0), pageAnimationMs);
        return;
    }
    m_scroller->stop();
    horizontalScrollBar()->setValue(x);
}

void PagingScrollView::resizeEvent(QResizeEvent* event) {
    const int page = currentPage();
    QScrollArea::resizeEvent(event);
    layoutPages();
    horizontalScrollBar()->setValue(page * pageWidth());
}

void PagingScrollView::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    const int delta = std::abs(angle.x()) > std::abs(angle.y()) ? angle.x() : angle.y();
    if (delta == 0 || m_pages.isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
    m_wheel += delta;
    if (std::abs(m_wheel) < 120) {
        return;
    }
    const int step = m_wheel > 0 ? -1 : 1;
    m_wheel = 0;
    const int target = std::clamp(currentPage() + step, 0, pageCount() - 1);
    if (target == currentPage()) {
        return;
    }
    m_byOwner = true;
    m_scroller->scrollTo(QPointF(target * pageWidth(), 0), pageAnimationMs);
}

void PagingScrollView::layoutPages() {
    const QSize size = viewport()->size();
    for (int i = 0; i < pageCount(); ++i) {
        m_pages[i]->setGeometry(i * size.width(), 0, size.width(), size.height());
    }
    m_content->resize(size.width() * pageCount(), size.height());
    QList<qreal> snaps;
    for (int i = 0; i < pageCount(); ++i) {
        snaps.append(qreal(i) * size.width());
    }
    m_scroller->setSnapPositionsX(snaps);
}

void PagingScrollView::onScrollerStateChanged(QScroller::State state) {
    if (state == QScroller::Dragging) {
        m_byOwner = true;
        return;
    }
    if (state != QScroller::Inactive) {
        return;
    }
    const bool report = m_byOwner;
    m_byOwner = false;
    if (report) {
        emit pageSettled(currentPage());
    }
}
