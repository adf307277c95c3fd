#pragma once

#include "orders/KQOrderModel.h"
#include "platform/TableCell.h"

class ImageView;
class QLabel;

// One ordered item in the order list: picture, title, variant, quantity and price.
class KQSActivistCell : public TableCell {
    Q_OBJECT
public:
    static constexpr const char* kIdentifier = "ActivistCell";
    static constexpr int kHeight = 133;

    explicit KQSActivistCell(QWidget* parent = nullptr);

    void setOrderItemModel(const KQOrderItemModel& item);
    // Marks the price as shipping-free: "US$12.50(包邮)".
    void markFreeShipping();

    const KQOrderItemModel& orderItemModel() const { return orderItemModel_; }
    ImageView* picture;
    QLabel* titleLabel;
    QLabel* inventoryLabel;
    QLabel* salesLabel;
    QLabel* priceLabel;
    QWidget* bottomLine;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    KQOrderItemModel orderItemModel_;
};
