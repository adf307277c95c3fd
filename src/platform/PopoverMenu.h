#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPushButton;

// A small menu that points at the view it was opened from, laid over the whole window.
// Choosing an entry closes it and reports the entry; a touch outside closes it and
// reports nothing.
class PopoverMenu : public QWidget {
    Q_OBJECT
public:
    using Chosen = std::function<void(int index, const QString& entry)>;
    static constexpr int EntryHeight = 44;
    static constexpr int ArrowHeight = 8;

    // Opens the menu over the anchor's window. It deletes itself once closed.
    static PopoverMenu* showFrom(QWidget* anchor, const QStringList& entries, Chosen chosen);

    QStringList entries() const { return m_entries; }
    QPushButton* entryButton(int index) const;
    // The menu box, in the window's coordinates.
    QRect menuRect() const { return m_box; }
    void dismiss();

signals:
    void entryChosen(int index, const QString& entry);
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PopoverMenu(QWidget* anchor, const QStringList& entries, Chosen chosen);
    void place();
    void choose(int index);

    QPointer<QWidget> m_anchor;
    QStringList m_entries;
    Chosen m_chosen;
    QList<QPushButton*> m_buttons;
    QRect m_box;
    bool m_pointsUp = true;
    int m_arrowX = 0;
    bool m_closed = false;
};
