#pragma once

#include "stats/KQSDataBeasView.h"
#include "stats/StatsRecords.h"

#include <optional>

// The orders page: orders placed, completed and shipped in the period, as three totals and
// three lines.
class KQSDataOrderView : public KQSDataBeasView {
    Q_OBJECT
public:
    static constexpr int kTotalsHeight = 101;

    explicit KQSDataOrderView(QWidget* parent = nullptr);

    void setModel(const KQSOrderStatisticsModel& model);
    const std::optional<KQSOrderStatisticsModel>& model() const { return model_; }
    // Placed, completed, shipped.
    const QList<QLabel*>& totalLabels() const { return totals_; }
    const QList<QLabel*>& captionLabels() const { return captions_; }

protected:
    KQRequest* sendRequest(const KQProject& bag, ReplyBlock block) override;
    void showReply(const QJsonObject& reply) override;
    void clearTotals() override;
    void layoutTotals() override;

private:
    std::optional<KQSOrderStatisticsModel> model_;
    QList<QLabel*> totals_;
    QList<QLabel*> captions_;
};
