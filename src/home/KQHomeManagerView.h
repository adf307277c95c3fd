#pragma once

#include <QPushButton>
#include <QWidget>
#include <functional>

class QLabel;

// One management tile: an icon beside a title over a subtitle.
class KQManagerBtn : public QPushButton {
    Q_OBJECT
public:
    KQManagerBtn(const QString& icon, const QString& title, const QString& detail,
                 QWidget* parent = nullptr);
    QLabel* iconImageV;
    QLabel* titleL;
    QLabel* detailL;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The six management tiles, two per row with hairline gaps. Touching tile i calls
// managerBtnBlock with i; the last tile ("敬请期待") takes no touches.
class KQHomeManagerView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 225;
    static constexpr int kTileHeight = 75;

    struct Tile {
        QString icon;
        QString title;
        QString detail;
        QString screenClass; // empty: the tile opens nothing
    };
    static const QList<Tile>& tiles();

    explicit KQHomeManagerView(QWidget* parent = nullptr);

    std::function<void(int)> managerBtnBlock;
    KQManagerBtn* button(int i) const { return buttons_.value(i); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<KQManagerBtn*> buttons_;
};
