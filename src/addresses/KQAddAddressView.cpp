#include "addresses/KQAddAddressView.h"

#include "platform/Switch.h"
#include "ui/FormRow.h"
#include "ui/KQTextView.h"
#include "ui/Style.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kDetailInset = 10;
} // namespace

KQAddAddressView::KQAddAddressView(QWidget* parent)
    : QWidget(parent), nameRow_(FormRow::textField(QStringLiteral("联系人"),
                                                   QStringLiteral("请输入您的姓名"), this)),
      phoneRow_(FormRow::textField(QStringLiteral("电话"), QStringLiteral("请输入您的电话"), this)),
      postcodeRow_(FormRow::textField(QStringLiteral("邮编"), QStringLiteral("请输入邮编"), this)),
      provinceRow_(FormRow::choice(QStringLiteral("选择省份"), kChoose, this)),
      cityRow_(FormRow::choice(QStringLiteral("选择城市"), kChoose, this)),
      detailBlock_(Widgets::block(this, Qt::white, QStringLiteral("detailBlock"))),
      sendRow_(FormRow::toggle(QStringLiteral("设为默认发货地址"), this)),
      receiveRow_(FormRow::toggle(QStringLiteral("设为默认收货地址"), this)) {
    setObjectName(QStringLiteral("KQAddAddressView"));
    Username = nameRow_->field();
    Username->setObjectName(QStringLiteral("Username"));
    Telephone = phoneRow_->field();
    Telephone->setObjectName(QStringLiteral("Telephone"));
    Telephone->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    messNum = postcodeRow_->field();
    messNum->setObjectName(QStringLiteral("messNum"));
    messNum->setInputMethodHints(Qt::ImhDigitsOnly);
    proL = provinceRow_->valueLabel();
    proL->setObjectName(QStringLiteral("proL"));
    provinceRow_->button()->setObjectName(QStringLiteral("provinceButton"));
    cityL = cityRow_->valueLabel();
    cityL->setObjectName(QStringLiteral("cityL"));
    cityRow_->button()->setObjectName(QStringLiteral("cityButton"));
    for (FormRow* row : {provinceRow_, cityRow_}) {
        connect(row->button(), &QPushButton::clicked, this, [this] {
            if (regionBlock) {
                regionBlock();
            }
        });
    }
    detailAddress = new KQTextView(detailBlock_);
    detailAddress->setObjectName(QStringLiteral("detailAddress"));
    detailAddress->setFont(Style::systemFont(FormRow::kFontSize));
    detailAddress->setFrameShape(QFrame::NoFrame);
    detailAddress->setTextColor(Style::darkText());
    detailAddress->setPlaceholderColor(Style::greyText());
    detailAddress->setPlaceholder(kDetailPlaceholder);
    detailAddress->setReturnEndsEditing(true);
    detailAddress->setMaxLength(kDetailMaxLength);
    tolerantButton = sendRow_->switchControl();
    tolerantButton->setObjectName(QStringLiteral("tolerantButton"));
    backButton = receiveRow_->switchControl();
    backButton->setObjectName(QStringLiteral("backButton"));
    for (FormRow* row : {postcodeRow_, cityRow_, receiveRow_}) {
        row->setSeparatorShown(false);
    }
}

void KQAddAddressView::setModel(const std::optional<KQLogisticsModel>& model) {
    const KQLogisticsModel record = model.value_or(KQLogisticsModel());
    Username->setText(record.name);
    Telephone->setText(record.telephone);
    messNum->setText(record.postcode);
    provinceRow_->setValue(record.province_name.isEmpty() ? kChoose : record.province_name);
    cityRow_->setValue(record.city_name.isEmpty() ? kChoose : record.city_name);
    detailAddress->setText(record.detail_address);
    tolerantButton->setChecked(record.default_send);
    backButton->setChecked(record.default_receive);
}

void KQAddAddressView::setRegion(const QString& province, const QString& city) {
    provinceRow_->setValue(province);
    cityRow_->setValue(city);
}

void KQAddAddressView::endEditing() {
    for (QWidget* input :
         std::initializer_list<QWidget*>{Username, Telephone, messNum, detailAddress}) {
        if (input->hasFocus()) {
            input->clearFocus();
        }
    }
}

void KQAddAddressView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    int y = 0;
    const auto place = [&](QWidget* row, int height) {
        row->setGeometry(0, y, w, height);
        y += height;
    };
    place(nameRow_, kRowHeight);
    place(phoneRow_, kRowHeight);
    place(postcodeRow_, kRowHeight);
    y += kGap;
    place(provinceRow_, kRowHeight);
    place(cityRow_, kRowHeight);
    y += kGap;
    place(detailBlock_, kDetailHeight);
    detailAddress->setGeometry(kDetailInset, kDetailInset / 2, w - 2 * kDetailInset,
                               kDetailHeight - kDetailInset);
    y += kGap;
    place(sendRow_, kRowHeight);
    place(receiveRow_, kRowHeight);
}
