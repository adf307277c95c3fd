#pragma once

#include <QWidget>

class KQSGoodsManagerToolBar;
class QPushButton;

// What the batch toolbar reports to its screen.
class KQSGoodsManagerToolBarDelegate {
public:
    virtual ~KQSGoodsManagerToolBarDelegate() = default;
    // Every touch of a toolbar button, with the button and its tag (1 to 4).
    virtual void goodsManagerToolBar(KQSGoodsManagerToolBar* /*toolBar*/, QPushButton* /*btn*/,
                                     int /*index*/) {}
};

// The batch toolbar along the bottom of the goods screen: "全选" at the left; "同步", the
// on-sale or off-sale button and "删除" at the right.
class KQSGoodsManagerToolBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 49;
    enum Tag { AllSelect = 1, Sync = 2, OnOffSale = 3, Delete = 4 };

    explicit KQSGoodsManagerToolBar(QWidget* parent = nullptr);

    // True: the third button reads "下架" (tabs "销售中", "已售罄"); false: "上架".
    void setIsFalg(bool isFalg);
    bool isFalg() const { return isFalg_; }
    // "已售罄" has nothing to sync or to put on or off sale.
    void setActionsShown(bool shown);

    KQSGoodsManagerToolBarDelegate* delegate = nullptr;

    QPushButton* allSelectBtn;
    QPushButton* tBtn;
    QPushButton* sBtn;
    QPushButton* deleteBtn;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* makeButton(int tag, const QString& title, const QString& image);
    void touched(QPushButton* button);
    void placeButtons();

    bool isFalg_ = true;
    QWidget* separator_;
};
