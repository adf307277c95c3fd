#pragma once

#include "addresses/KQLogisticsModel.h"
#include "addresses/RegionPicker.h"
#include "app/KQSBaesVC.h"

#include <QPointer>
#include <optional>

class KQAddAddressView;
class QPushButton;

// "添加新地址" and "编辑地址": the address form with its region picker and "保存".
class KQAddAddressVC : public KQSBaesVC {
    Q_OBJECT
public:
    static constexpr int kSaveHeight = 50;
    static constexpr int kNameMaxLength = 10;

    KQAddAddressVC(const QString& titleName, const std::optional<KQLogisticsModel>& model,
                   QWidget* parent = nullptr);

    QString titleName() const { return titleName_; }
    const std::optional<KQLogisticsModel>& model() const { return model_; }
    KQAddAddressView* addressView() const { return addressView_; }
    QPushButton* saveButton() const { return saveButton_; }
    // The region picker this screen has open, if any.
    RegionPicker* picker() const { return picker_; }

    // Opens a new region picker, closing the one open before.
    void choosePro();
    void saveAddress();
    void regionChosen(const QString& result);

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewWillDisappear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void nameEdited();
    void telephoneEdited();
    void postcodeEdited();
    // The message of the first failing check, or nothing when the form can be saved.
    std::optional<QString> failedCheck() const;
    KQLogisticsModel formModel() const;
    void removePicker();
    void saved();

    QString titleName_;
    std::optional<KQLogisticsModel> model_;
    KQAddAddressView* addressView_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPointer<RegionPicker> picker_;
};
