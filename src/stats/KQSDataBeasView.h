#pragma once

#include "service/KQHttpClientList.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class KQProject;
class LineChart;
class QLabel;
class QScrollArea;

// The common base of the three statistics pages: a vertical scroll area with the chart card
// (title, subtitle and the chart) and, 12 points below it, the totals card each page fills.
//
// Each page fetches its own figures for the period it shows. A reply for a period that is no
// longer shown, or older than the figures on screen, is dropped; when a request for the shown
// period fails while the figures on screen belong to another period, the totals and the chart
// are cleared rather than left under the new title.
class KQSDataBeasView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kChartCardHeight = 310;
    static constexpr int kCardGap = 12;

    // Records the period, shows its card texts and fetches its figures.
    void setPage(int page);
    int page() const { return page_; }
    // The period the figures on screen belong to, or -1 before the first reply and after
    // they were cleared.
    int figuresPage() const { return figuresPage_; }

    QStringList titles() const { return titles_; }
    QStringList deTitles() const { return deTitles_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* subtitleLabel() const { return subtitleLabel_; }
    QScrollArea* scrollView() const { return scrollView_; }
    QWidget* chartCard() const { return chartCard_; }
    QWidget* totalsCard() const { return totalsCard_; }
    // The chart of the last reply; nullptr before one and when it had no days.
    LineChart* chartView() const { return chartView_; }

protected:
    KQSDataBeasView(const QStringList& titles, const QStringList& deTitles, int totalsHeight,
                    QWidget* parent);

    // The page's request, with the period's values on the bag.
    virtual KQRequest* sendRequest(const KQProject& bag, ReplyBlock block) = 0;
    // Reads the summary from a successful reply and shows it.
    virtual void showReply(const QJsonObject& reply) = 0;
    // Empties the totals.
    virtual void clearTotals() = 0;
    // Places the totals inside the totals card after it was resized.
    virtual void layoutTotals() = 0;

    // Removes the chart and, when there are days, builds a new one with the dates of the
    // first, middle and last day under it.
    LineChart* createChartView(const QList<qint64>& postdates);

    void resizeEvent(QResizeEvent* event) override;

private:
    void createData(int page);
    void removeChart();
    void clearFigures();
    void layoutCards();

    QStringList titles_;
    QStringList deTitles_;
    int totalsHeight_;
    int page_ = 0;
    int figuresPage_ = -1;
    quint64 requested_ = 0;
    quint64 shownRequest_ = 0;
    QScrollArea* scrollView_;
    QWidget* content_;
    QWidget* chartCard_;
    QWidget* totalsCard_;
    QLabel* titleLabel_;
    QLabel* subtitleLabel_;
    LineChart* chartView_ = nullptr;
};
