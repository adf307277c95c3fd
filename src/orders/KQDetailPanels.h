#pragma once

#include "orders/KQOrderModel.h"

#include <QPushButton>
#include <QWidget>

class ImageView;
class QLabel;

// The fold button of a panel header: "收起" while the panel is unfolded (selected).
class KQFoldButton : public QPushButton {
    Q_OBJECT
public:
    explicit KQFoldButton(QWidget* parent = nullptr);
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);

private:
    bool selected_ = true;
};

// One item of the goods panel, 164 points high.
class KQDetailMsgBtmView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 164;
    explicit KQDetailMsgBtmView(const KQOrderItemModel& item, const QString& statusText,
                                QWidget* parent = nullptr);

    ImageView* iconV;
    QLabel* title;
    QLabel* number;
    QLabel* discount;
    QLabel* status;
    QLabel* price;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* line_;
};

// "商品信息": the items and, for shipped orders, the latest logistics news.
class KQDetailProductMsgView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeaderHeight = 48;
    static constexpr int kLogisticsHeight = 70;

    KQDetailProductMsgView(const QList<KQOrderItemModel>& items, const QString& statusText,
                           const KQOrderWaybillNewsModel& waybill, bool showsLogistics,
                           QWidget* parent = nullptr);

    // 164 per item + header + logistics row (when shown).
    static int heightFor(int items, bool showsLogistics);

    QWidget* messageBG;
    KQFoldButton* messageBtn;
    QWidget* bottomV;
    QList<KQDetailMsgBtmView*> ViewArray;
    QList<KQOrderItemModel> orderModelArr;
    QPushButton* receiveBG;
    QLabel* receiveL;
    QLabel* time;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* headerLine_;
    QLabel* arrow_;
};

// "订单信息": order number, buyer, receiver and the buyer's message.
class KQDetailOrderMsgView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 284;
    static constexpr int kBodyHeight = 236;

    explicit KQDetailOrderMsgView(const KQOrderModel& order, QWidget* parent = nullptr);

    QWidget* messageBG;
    KQFoldButton* messageBtn;
    QWidget* bottomV;
    QLabel* orderNum;
    QLabel* buyer;
    QLabel* getter;
    QLabel* phone;
    QLabel* address;
    QLabel* address2;
    QLabel* buyMsg;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* headerLine_;
    QLabel* buyMsgCaption_;
};

// "订单进度": when the order was placed, paid, shipped and settled.
class KQDetailOrderProgressView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 160;

    explicit KQDetailOrderProgressView(const QList<KQOrderStatusDetailModel>& history,
                                       QWidget* parent = nullptr);

    QLabel* title;
    QLabel* order;
    QLabel* apply;
    QLabel* finshApply;
    QLabel* jiesuan;
};
