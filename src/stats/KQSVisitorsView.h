#pragma once

#include "stats/KQSDataBeasView.h"
#include "stats/StatsRecords.h"

#include <optional>

// The visitors page: visitors and page views of the period, as two totals and two lines.
class KQSVisitorsView : public KQSDataBeasView {
    Q_OBJECT
public:
    static constexpr int kTotalsHeight = 127;

    explicit KQSVisitorsView(QWidget* parent = nullptr);

    void setModel(const KQSVisitorsModel& model);
    const std::optional<KQSVisitorsModel>& model() const { return model_; }
    QLabel* visitorsLabel() const { return visitorsLabel_; }
    QLabel* pageviewLabel() const { return pageviewLabel_; }

protected:
    KQRequest* sendRequest(const KQProject& bag, ReplyBlock block) override;
    void showReply(const QJsonObject& reply) override;
    void clearTotals() override;
    void layoutTotals() override;

private:
    std::optional<KQSVisitorsModel> model_;
    QLabel* visitorsLabel_;
    QLabel* visitorsCaption_;
    QLabel* pageviewLabel_;
    QLabel* pageviewCaption_;
    QWidget* divider_;
};
