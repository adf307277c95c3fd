#pragma once

#include <QList>
#include <QScrollArea>
#include <QScroller>

// Pages side by side, each as large as the view; a swipe or the wheel moves to the
// next or previous page and the view always comes to rest on a whole page.
class PagingScrollView : public QScrollArea {
    Q_OBJECT
public:
    explicit PagingScrollView(QWidget* parent = nullptr);

    // Owned by the view; placed at index × page width.
    void addPage(QWidget* page);
    int pageCount() const { return int(m_pages.size()); }
    QWidget* page(int index) const { return m_pages.value(index); }
    int pageWidth() const;

    // The page at the current offset: offset ÷ page width, truncated.
    int currentPage() const;
    void scrollToPage(int index, bool animated);
    QScroller* scroller() const { return m_scroller; }

signals:
    // The owner swiped (or turned the wheel) and the view came to rest on this page.
    // Scrolling from code reports nothing, so a tab strip can follow without looping.
    void pageSettled(int page);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void layoutPages();
    void onScrollerStateChanged(QScroller::State state);

    QWidget* m_content;
    QList<QWidget*> m_pages;
    QScroller* m_scroller;
    bool m_byOwner = false;
    int m_wheel = 0;
};
