#pragma once

#include "orders/KQOrderModel.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

class PanelLayout;
class QPushButton;
class Timer;

// What the status panel reports; both operations are optional.
class orderStatusViewDelegate {
public:
    virtual ~orderStatusViewDelegate() = default;
    virtual void orderGotoBtnClick(QPushButton* /*button*/) {}
    virtual void orderColseBtnClick(QPushButton* /*button*/) {}
};

// The status panel at the top of the order detail: the layout of the order's stage, its
// deadline text and its buttons.
class KQOrderStatusView : public QWidget {
    Q_OBJECT
public:
    // panel: the detail panel number of the order's status (0 to 5).
    explicit KQOrderStatusView(int panel, QWidget* parent = nullptr);
    ~KQOrderStatusView() override;

    static int heightForPanel(int panel);
    // The layout file of a panel; empty for panel 4, which has none.
    static QString layoutForPanel(int panel);

    int panel() const { return panel_; }
    double viewHeight() const { return viewHeight_; }
    PanelLayout* layout() const { return layout_; }

    orderStatusViewDelegate* delegate = nullptr;

    // Reads the history and fills or wires the elements of the current stage.
    void setStatusDetailArray(const QList<KQOrderStatusDetailModel>& entries);

    // The payment count-down.
    void setExpirtTime(const QString& expiryMs);
    void stopClock();
    bool isCounting() const;
    int startTime() const { return startTime_; }
    QLabel* firstDurationLabel() const { return firstDurationLabel_; }

    // "买家如在3天内没有申请退款" for a refund window this many seconds long.
    static QString refundWindowText(int seconds);
    // "如买家未在02时05分09秒内付款" for this many seconds left.
    static QString paymentText(int seconds);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void clockDidTick();
    void timeFormatFromTimeValue(int seconds);
    void readEntry(const KQOrderStatusDetailModel& entry);

    int panel_;
    double viewHeight_;
    PanelLayout* layout_ = nullptr;
    QList<KQOrderStatusDetailModel> statusDetailArray_;
    Timer* clockTimer_ = nullptr;
    int startTime_ = 0;
    QPointer<QLabel> firstDurationLabel_;
};
