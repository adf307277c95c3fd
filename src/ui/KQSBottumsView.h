#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QButtonGroup;
class QPushButton;

// The three-title tab strip at the top of the comment and goods lists: 50 points high, a red
// underline under the selected title.
class KQSBottumsView : public QWidget {
    Q_OBJECT
public:
    explicit KQSBottumsView(QWidget* parent = nullptr);

    static constexpr int kHeight = 50;

    // Builds exactly three tabs from the first three titles; tab 0 starts selected.
    void setTitles(const QStringList& titles);
    QStringList titles() const { return titles_; }
    // Selects tab n from code (a swipe of the pages below); indexBlock is not called.
    // An index outside 0 to 2 only deselects the current tab.
    void scrollBtnChangeWithIndex(int index);
    int selectedIndex() const;

    const QList<QPushButton*>& btns() const { return btns_; }
    const QList<QWidget*>& lines() const { return lines_; }

    std::function<void(int)> indexBlock;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void KQSBttonClick(int index);
    void select(int index);
    void layoutTabs();

    QStringList titles_;
    // One checked title at a time; a title's id is its index.
    QButtonGroup* group_;
    QList<QPushButton*> btns_;
    QList<QWidget*> lines_;
};
