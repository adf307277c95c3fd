#pragma once

#include "goods/KQSGoodsModel.h"
#include "platform/TableCell.h"

class ImageView;
class QLabel;

// One goods row of the goods tabs and the goods search: group and time over a hairline, then
// the picture beside title, stock, sales and price.
class KQSGoodsCell : public TableCell {
    Q_OBJECT
public:
    static constexpr const char* kIdentifier = "KQSGoodsCell";
    static constexpr int kHeight = 181;

    explicit KQSGoodsCell(QWidget* parent = nullptr);

    void setModel(const KQSGoodsModel& model);
    const KQSGoodsModel& model() const { return model_; }

    // "所属分组: 服装>女装": the first two categories, else the group name, else "全部".
    static QString groupText(const KQSGoodsModel& model);

    QLabel* groupLabel;
    QLabel* timeLabel;
    QWidget* line;
    ImageView* picture;
    QLabel* titleLabel;
    QLabel* inventoryLabel;
    QLabel* salesLabel;
    QLabel* priceLabel;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    KQSGoodsModel model_;
};
