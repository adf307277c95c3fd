#pragma once

#include <QAbstractButton>

// A tab of the root bar: the icon 5 points below the top, centred at its own size, the title
// centred in the space below it. Grey when not selected, red when selected.
class TabBarButton : public QAbstractButton {
    Q_OBJECT
public:
    TabBarButton(const QString& title, const QString& icon, const QString& selectedIcon,
                 QWidget* parent = nullptr);

    QRect iconRect() const;
    QRect titleRect() const;
    QColor titleColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString icon_;
    QString selectedIcon_;
};
