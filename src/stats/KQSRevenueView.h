#pragma once

#include "stats/KQSDataBeasView.h"
#include "stats/StatsRecords.h"

#include <optional>

// The revenue page: the period's sales in US dollars, as a total and one line of daily sales.
class KQSRevenueView : public KQSDataBeasView {
    Q_OBJECT
public:
    static constexpr int kTotalsHeight = 155;

    explicit KQSRevenueView(QWidget* parent = nullptr);

    void setModel(const KQSRevenueModel& model);
    const std::optional<KQSRevenueModel>& model() const { return model_; }
    QLabel* amountLabel() const { return amountLabel_; }

protected:
    KQRequest* sendRequest(const KQProject& bag, ReplyBlock block) override;
    void showReply(const QJsonObject& reply) override;
    void clearTotals() override;
    void layoutTotals() override;

private:
    std::optional<KQSRevenueModel> model_;
    QLabel* captionLabel_;
    QLabel* amountLabel_;
};
