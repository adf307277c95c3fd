#pragma once

#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;

// The total income: a caption over the amount.
class KQIncomeView : public QPushButton {
    Q_OBJECT
public:
    explicit KQIncomeView(QWidget* parent = nullptr);
    QLabel* titleL;
    QLabel* priceL;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// One figure tile: a caption over a count.
class KQBtnView : public QPushButton {
    Q_OBJECT
public:
    explicit KQBtnView(const QString& title, QWidget* parent = nullptr);
    QLabel* titleL;
    QLabel* countL;
    void setCount(const QString& count);
    void setTextColor(const QColor& color);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The figures of the dashboard: the total income over three tiles of yesterday's figures.
// Touching the income calls btnViewBlock with 0, touching tile i with i + 1.
class KQHomeDataView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 264;
    static constexpr int kTopHeight = 180;
    static constexpr int kIncomeHeight = 88;
    static constexpr int kTileHeight = 84;
    static constexpr int kTotalFontPoints = 60;

    explicit KQHomeDataView(QWidget* parent = nullptr);

    std::function<void(int)> btnViewBlock;

    void setDataArr(const QStringList& texts);
    QStringList dataArr() const { return dataArr_; }
    void setTotalMoney(double total);
    double totalMoney() const { return totalMoney_; }

    KQIncomeView* incomeView() const { return income_; }
    KQBtnView* tile(int i) const { return tiles_.value(i); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void touched(int n);

    KQIncomeView* income_;
    QWidget* line_;
    QList<KQBtnView*> tiles_;
    QStringList dataArr_;
    double totalMoney_ = 0;
};
