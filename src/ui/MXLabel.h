#pragma once

#include <QLabel>
#include <QMenu>
#include <QPointer>

class Timer;

// A label whose text the owner can copy: a long press (or the context-menu gesture) shows
// a menu with the single entry "复制", which puts the text on the clipboard.
class MXLabel : public QLabel {
    Q_OBJECT
public:
    explicit MXLabel(QWidget* parent = nullptr);
    explicit MXLabel(const QString& text, QWidget* parent = nullptr);

    static constexpr int kLongPressMs = 500;

    // The menu currently shown, if any.
    QMenu* copyMenu() const { return menu_; }
    void showCopyMenu(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void copyText();

    Timer* pressTimer_;
    QPoint pressPos_;
    // The open menu, if any: a child of the label that deletes itself once closed.
    QPointer<QMenu> menu_;
};
