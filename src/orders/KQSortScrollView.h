#pragma once

#include <QScrollArea>
#include <QStringList>
#include <functional>

class QButtonGroup;
class QPushButton;

// The horizontally scrolling strip of status tabs over the order list.
class KQSortScrollView : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kHeight = 50;

    // Builds a strip of tabs titled so, with tab `index` selected.
    static KQSortScrollView* sortScrollViewWithArr(const QStringList& titles, int index,
                                                   QWidget* parent = nullptr);

    // The filter value of each tab, in tab order.
    QStringList sortArray;
    // Receives the filter value of the touched tab.
    std::function<void(const QString&)> sortBtnBlock;

    const QList<QPushButton*>& btnArr() const { return btnArr_; }
    const QList<QWidget*>& lineArr() const { return lineArr_; }
    int selectedIndex() const;

private:
    explicit KQSortScrollView(QWidget* parent);
    void build(const QStringList& titles, int index);
    void sortBtnClick(int index);

    // One checked tab at a time; a tab's id is its index.
    QButtonGroup* group_;
    QList<QPushButton*> btnArr_;
    QList<QWidget*> lineArr_;
};
