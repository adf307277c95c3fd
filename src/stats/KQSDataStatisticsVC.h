#pragma once

#include "app/KQSBaesVC.h"

#include <QList>

class KQSBottumsView;
class KQSDataBeasView;
class KQSDataBottomBar;
class PagingScrollView;

// "数据统计": the period bar at the top, the kind bar at the bottom and, between them, the
// visitors, orders and revenue pages side by side, chosen by the kind bar or by a swipe.
class KQSDataStatisticsVC : public KQSBaesVC {
    Q_OBJECT
public:
    explicit KQSDataStatisticsVC(QWidget* parent = nullptr);

    static constexpr int kBarHeight = 50;
    static constexpr int kMargin = 12;

    // "访客统计", "订单统计", "营收统计"
    static QString kindTitle(int kind);

    KQSBottumsView* topBar() const { return topBar_; }
    KQSDataBottomBar* bottomBar() const { return bottomBar_; }
    PagingScrollView* contentScrollView() const { return contentScrollView_; }
    // Visitors, orders, revenue.
    const QList<KQSDataBeasView*>& dataViews() const { return dataViews_; }
    // The chosen period: 0 (7 days), 1 (30 days) or 2 (180 days).
    int indexPath() const { return indexPath_; }
    int kind() const { return kind_; }

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createUI();
    void createContent();
    void layoutContent();
    void periodChosen(int period);
    void kindChosen(int kind);
    void pageSettled(int page);
    void showKind(int kind);

    KQSBottumsView* topBar_ = nullptr;
    KQSDataBottomBar* bottomBar_ = nullptr;
    PagingScrollView* contentScrollView_ = nullptr;
    QList<KQSDataBeasView*> dataViews_;
    int indexPath_ = 0;
    int kind_ = 0;
};
