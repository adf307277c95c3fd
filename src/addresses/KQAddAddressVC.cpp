#include "addresses/KQAddAddressVC.h"

#include "addresses/KQAddAddressView.h"
#include "addresses/KQAddressManager.h"
#include "addresses/RegionPicker.h"
#include "app/RegexTool.h"
#include "app/ValidateTool.h"
#include "platform/Switch.h"
#include "platform/Toast.h"
#include "service/KQHttpClientList.h"
#include "ui/KQTextView.h"
#include "ui/TextLimit.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kDetailMinLength = 5;
} // namespace

KQAddAddressVC::KQAddAddressVC(const QString& titleName,
                               const std::optional<KQLogisticsModel>& model, QWidget* parent)
    : KQSBaesVC(parent), titleName_(titleName), model_(model) {
    setObjectName(QStringLiteral("KQAddAddressVC"));
    setHidesTabBar(true);
}

void KQAddAddressVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    addressView_ = new KQAddAddressView(this);
    addressView_->setModel(model_);
    addressView_->regionBlock = [this] { choosePro(); };
    connect(addressView_->Username, &QLineEdit::editingFinished, this, &KQAddAddressVC::nameEdited);
    connect(addressView_->Telephone, &QLineEdit::editingFinished, this,
            &KQAddAddressVC::telephoneEdited);
    connect(addressView_->messNum, &QLineEdit::editingFinished, this,
            &KQAddAddressVC::postcodeEdited);
    saveButton_ = Widgets::bottomButton(this, QStringLiteral("saveButton"), QStringLiteral("保存"));
    connect(saveButton_, &QPushButton::clicked, this, &KQAddAddressVC::saveAddress);
    resizeEvent(nullptr);
}

void KQAddAddressVC::viewWillAppear() {
    setUpNaviBar(titleName_);
}

void KQAddAddressVC::viewWillDisappear() {
    removePicker();
}

void KQAddAddressVC::resizeEvent(QResizeEvent* event) {
    if (event) {
        KQSBaesVC::resizeEvent(event);
    }
    if (!addressView_) {
        return;
    }
    const int w = width();
    const int saveTop = height() - kSaveHeight;
    addressView_->setGeometry(0, kNaviBarHeight, w, std::max(0, saveTop - kNaviBarHeight));
    saveButton_->setGeometry(0, saveTop, w, kSaveHeight);
}

void KQAddAddressVC::nameEdited() {
    QLineEdit* name = addressView_->Username;
    if (!isAppearing() || name->text().size() <= kNameMaxLength) {
        return;
    }
    Toast::showMessage(QStringLiteral("用户名不超过10位"));
    name->setText(TextLimit::cut(name->text(), kNameMaxLength));
}

void KQAddAddressVC::telephoneEdited() {
    if (isAppearing() && !RegexTool::isMobileNumber(addressView_->Telephone->text())) {
        Toast::showMessage(QStringLiteral("请输入正确手机号码"));
    }
}

void KQAddAddressVC::postcodeEdited() {
    if (isAppearing() && !ValidateTool::validatePostcode(addressView_->messNum->text())) {
        Toast::showMessage(QStringLiteral("请输入正确邮编"));
    }
}

void KQAddAddressVC::choosePro() {
    addressView_->endEditing();
    removePicker();
    QPointer<KQAddAddressVC> self(this);
    picker_ = RegionPicker::open(this, [self](RegionPicker*, const QString& result) {
        if (self) {
            self->regionChosen(result);
        }
    });
}

void KQAddAddressVC::regionChosen(const QString& result) {
    const RegionPicker::Choice choice = RegionPicker::split(result);
    addressView_->setRegion(choice.province, choice.city);
}

void KQAddAddressVC::removePicker() {
    if (picker_) {
        picker_->dismiss();
    }
    picker_.clear();
}

std::optional<QString> KQAddAddressVC::failedCheck() const {
    const KQAddAddressView* form = addressView_;
    if (form->Username->text().isEmpty()) {
        return QStringLiteral("用户名不能为空");
    }
    if (!RegexTool::isMobileNumber(form->Telephone->text())) {
        return QStringLiteral("请输入正确手机号码");
    }
    if (!ValidateTool::validatePostcode(form->messNum->text())) {
        return QStringLiteral("请输入正确邮编");
    }
    if (form->proL->text() == KQAddAddressView::kChoose ||
        form->cityL->text() == KQAddAddressView::kChoose) {
        return QStringLiteral("请选择地址");
    }
    if (form->detailAddress->text().size() < kDetailMinLength) {
        return QStringLiteral("请输入不少于5个字的详细地址");
    }
    return std::nullopt;
}

// A new record from the form; the edited record itself stays as it was. Unless the picker
// changed the region, the record keeps its own identifiers and county: a lookup of the names
// could find nothing. A new city leaves the old city's county behind.
KQLogisticsModel KQAddAddressVC::formModel() const {
    const KQAddAddressView* form = addressView_;
    KQLogisticsModel address;
    address.province_name = form->proL->text();
    address.city_name = form->cityL->text();
    const bool sameRegion = model_ && model_->province_name == address.province_name &&
                            model_->city_name == address.city_name;
    if (model_) {
        address.address_id = model_->address_id;
    }
    if (sameRegion) {
        address.province_id = model_->province_id;
        address.city_id = model_->city_id;
        address.county = model_->county;
    } else {
        address.province_id =
            KQAddressManager::getProvineIDFromName(address.province_name).value_or(QString());
        address.city_id =
            KQAddressManager::getCityIDFromName(address.city_name).value_or(QString());
    }
    address.name = form->Username->text();
    address.telephone = form->Telephone->text();
    address.postcode = form->messNum->text();
    address.detail_address = form->detailAddress->text();
    address.default_send = form->tolerantButton->isChecked();
    address.default_receive = form->backButton->isChecked();
    return address;
}

// "保存" stays without reaction until its request has finished, however slow the service is,
// so that one touch adds one address.
void KQAddAddressVC::saveAddress() {
    if (!saveButton_->isEnabled()) {
        return;
    }
    if (const std::optional<QString> message = failedCheck()) {
        Toast::showError(*message);
        return;
    }
    saveButton_->setEnabled(false);
    KQRequest* request = KQHttpClientList::request_saveAddressWith(
        formModel(), onReply([this](const QJsonObject&) { saved(); }));
    request->guardedBy(this);
    connect(request, &KQRequest::finished, saveButton_,
            [button = saveButton_] { button->setEnabled(true); });
}

void KQAddAddressVC::saved() {
    Toast::showSuccess(QStringLiteral("保存成功"));
    back();
}
