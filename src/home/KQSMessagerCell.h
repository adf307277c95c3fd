#pragma once

#include "home/HomeRecords.h"
#include "platform/TableCell.h"

class QLabel;

// One message, shown as an order reminder: icon, title, time, text and the unread mark.
class KQSMessagerCell : public TableCell {
    Q_OBJECT
public:
    static constexpr int kHeight = 69;
    static constexpr const char* kIdentifier = "KQSMessagerCell";

    explicit KQSMessagerCell(QWidget* parent = nullptr);

    QLabel* iconView;
    QLabel* titleLabel;
    QLabel* deTitleLabel;
    QLabel* timerLabel;
    QLabel* numMessagerLabel;
    QWidget* lineView;

    void setModel(const KQSMessageModel& model);
    const KQSMessageModel& model() const { return model_; }
    void setLineHidden(bool hidden);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    KQSMessageModel model_;
};
