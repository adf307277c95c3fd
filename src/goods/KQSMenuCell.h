#pragma once

#include "goods/KQSGoodsModel.h"
#include "platform/TableCell.h"

#include <QList>
#include <functional>
#include <optional>

class QPushButton;

// What a category row reports to the menu.
class KQSMenuCellDelegate {
public:
    virtual ~KQSMenuCellDelegate() = default;
    // The touched button, the row's first-level category and the touched second-level one
    // (none when the first-level name was touched).
    virtual void
    KQSMenuCellDidClickCatrBtn(QPushButton* /*btn*/, const KQSOneGoodsCategoryModel& /*oneModel*/,
                               const std::optional<KQSGoodsCategoryModel>& /*twoModel*/) {}
};

// One first-level category of the category menu: its name, the unfold button and, while
// unfolded, one button per second-level category, three to a line.
class KQSMenuCell : public TableCell {
    Q_OBJECT
public:
    static constexpr const char* kIdentifier = "KQSMenuCell";
    static constexpr int kTitleHeight = 44;
    static constexpr int kTagOffset = 100;

    explicit KQSMenuCell(QWidget* parent = nullptr);

    void setModel(const KQSOneGoodsCategoryModel& model, IndexPath indexPath);
    const KQSOneGoodsCategoryModel& model() const { return model_; }
    IndexPath indexPath() const { return indexPath_; }

    // The row's height for a category: the title line, and while unfolded the lines of
    // second-level buttons with 10 points below the last.
    static int heightFor(const KQSOneGoodsCategoryModel& model);
    // Where the k-th second-level button sits in the unfolded area, for a table width.
    static QRect secondLevelFrame(int k, int tableWidth);

    KQSMenuCellDelegate* delegate = nullptr;
    // Called with the row's index path when the unfold button is touched.
    std::function<void(IndexPath)> moreButtonClickedBlock;

    QPushButton* titleLabel;
    QPushButton* openBtn;
    QWidget* sangContentView;
    const QList<QPushButton*>& secondLevelButtons() const { return buttons_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuildSecondLevel();
    void placeSecondLevel();
    void secondLevelTouched(QPushButton* button);

    KQSOneGoodsCategoryModel model_;
    IndexPath indexPath_;
    QList<QPushButton*> buttons_;
    QWidget* line_;
};
