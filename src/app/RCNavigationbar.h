#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// The bar every screen puts at its top: two action slots on each side and the title between.
// Where the slots sit comes from the layout description ":/layouts/RCNavigationbar.json".
// A slot stays hidden until a screen gives it a picture or a title.
class RCNavigationbar : public QWidget {
    Q_OBJECT
public:
    // A new bar as wide as the parent (the screen) and 64 points high, at its top.
    static RCNavigationbar* navigationbar(QWidget* screen);

    QPushButton* right0;
    QPushButton* right1;
    QPushButton* left0;
    QPushButton* left1;
    QLabel* titleView;
    QWidget* line;

    void setTitle(const QString& title);
    // Puts a picture-only action into a slot; `name` is what assistive technology reads.
    static void setImageAction(QPushButton* slot, const QString& imageName, const QString& name,
                               std::function<void()> action);
    static void setTextAction(QPushButton* slot, const QString& title,
                              std::function<void()> action);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    explicit RCNavigationbar(QWidget* parent);
    void applyLayout();
};
