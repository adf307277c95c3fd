#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QSize>

// A tab with a picture over its title, as in the root bar and the statistics kind bar. The
// picture sits `iconTop` points below the top, centred; the title is centred in the space below
// it (or in a band of `titleHeight` points right under it). Grey when not selected, the selected
// colour when selected.
class TabBarButton : public QAbstractButton {
    Q_OBJECT
public:
    struct Look {
        int iconTop = 5;
        QSize iconSize; // empty: the picture's own size
        int titlePoints = 10;
        int titleHeight = 0; // 0: the rest of the button
        QColor selectedColour;
    };
    // The root bar's look.
    static Look rootLook();

    TabBarButton(const QString& title, const QString& icon, const QString& selectedIcon,
                 QWidget* parent = nullptr);
    TabBarButton(const QString& title, const QString& icon, const QString& selectedIcon,
                 const Look& look, QWidget* parent = nullptr);

    QRect iconRect() const;
    QRect titleRect() const;
    QColor titleColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString icon_;
    QString selectedIcon_;
    Look look_;
};
