#pragma once

#include "addresses/KQLogisticsModel.h"
#include "platform/TableCell.h"

#include <functional>

class QLabel;
class QPushButton;

// One address of the library: contact, phone, address line, and the actions "默认收货地址",
// "编辑" and "删除". Each action reports the address_id of the record the row shows.
class KQLogisticsCell : public TableCell {
    Q_OBJECT
public:
    static constexpr const char* kIdentifier = "LogisticsCell";
    static constexpr int kHeight = 158;

    explicit KQLogisticsCell(QWidget* parent = nullptr);

    void setModel(const KQLogisticsModel& model);
    const KQLogisticsModel& model() const { return model_; }

    std::function<void(const QString& addressId)> defaultBlock;
    std::function<void(const QString& addressId)> editBlock;
    std::function<void(const QString& addressId)> deleteBlock;

    QLabel* nameLabel;
    QLabel* phoneLabel;
    QLabel* addressLabel;
    // Checked exactly while the record is the default; a touch only reports, the list decides.
    QPushButton* defaultButton;
    QPushButton* editButton;
    QPushButton* deleteButton;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void report(const std::function<void(const QString&)>& block) const;

    KQLogisticsModel model_;
    QWidget* line_;
};
