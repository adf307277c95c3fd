#include "addresses/KQLogisticsCell.h"

#include "platform/Assets.h"
#include "ui/Style.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kSideMargin = 15;
constexpr int kActionTop = 108;
constexpr int kActionHeight = 50;
constexpr int kIconSize = 18;
const QColor kAddressGrey(102, 102, 102);

// The mark's picture follows the record, never the touch: the list changes the record only
// once the service has accepted the new default.
class DefaultMarkButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void nextCheckState() override {}
};

QPushButton* actionButton(QPushButton* button, const QString& name, const QString& image) {
    button->setObjectName(name);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(Style::systemFont(13));
    button->setIconSize(QSize(kIconSize, kIconSize));
    if (!image.isEmpty()) {
        button->setIcon(Assets::icon(image));
    }
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent;"
                                         " color: %1; text-align: left; }")
                              .arg(Style::rgbText(Style::greyText())));
    return button;
}

} // namespace

KQLogisticsCell::KQLogisticsCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent),
      nameLabel(Widgets::label(this, QStringLiteral("nameLabel"), 15, Style::darkText())),
      phoneLabel(Widgets::label(this, QStringLiteral("phoneLabel"), 15, Style::darkText())),
      addressLabel(Widgets::label(this, QStringLiteral("addressLabel"), 14, kAddressGrey)),
      defaultButton(actionButton(new DefaultMarkButton(QStringLiteral(" 默认收货地址"), this),
                                 QStringLiteral("defaultButton"), QString())),
      editButton(actionButton(new QPushButton(QStringLiteral(" 编辑"), this),
                              QStringLiteral("editButton"), QStringLiteral("orderManager_bianji"))),
      deleteButton(actionButton(new QPushButton(QStringLiteral(" 删除"), this),
                                QStringLiteral("deleteButton"), QStringLiteral("orderManager_sc"))),
      line_(Widgets::block(this, Style::hairline())) {
    setSelectionStyle(SelectionStyle::None);
    setBackgroundColor(Qt::white);
    phoneLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addressLabel->setWordWrap(true);
    addressLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    defaultButton->setCheckable(true);
    defaultButton->setAccessibleName(QStringLiteral("默认收货地址"));
    QIcon mark;
    mark.addPixmap(Assets::image(QStringLiteral("orderManager_tuoyuan"), QSize(20, 20)),
                   QIcon::Normal, QIcon::Off);
    mark.addPixmap(Assets::image(QStringLiteral("orderManager_select"), QSize(20, 20)),
                   QIcon::Normal, QIcon::On);
    defaultButton->setIcon(mark);
    editButton->setAccessibleName(QStringLiteral("编辑"));
    deleteButton->setAccessibleName(QStringLiteral("删除"));
    connect(defaultButton, &QPushButton::clicked, this, [this] { report(defaultBlock); });
    connect(editButton, &QPushButton::clicked, this, [this] { report(editBlock); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { report(deleteBlock); });
}

void KQLogisticsCell::setModel(const KQLogisticsModel& model) {
    model_ = model;
    nameLabel->setText(QStringLiteral("收货人: %1").arg(model.name));
    phoneLabel->setText(model.telephone);
    addressLabel->setText(model.province_name + model.city_name + model.detail_address);
    defaultButton->setChecked(model.default_receive);
}

void KQLogisticsCell::report(const std::function<void(const QString&)>& block) const {
    if (block) {
        block(model_.address_id);
    }
}

void KQLogisticsCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    const int w = width();
    const int inner = w - 2 * kSideMargin;
    nameLabel->setGeometry(kSideMargin, 15, inner * 3 / 5, 22);
    phoneLabel->setGeometry(kSideMargin + inner * 3 / 5, 15, inner * 2 / 5, 22);
    addressLabel->setGeometry(kSideMargin, 47, inner, 54);
    line_->setGeometry(0, kActionTop, w, 1);
    defaultButton->setGeometry(kSideMargin, kActionTop + 1, 150, kActionHeight - 1);
    deleteButton->setGeometry(w - kSideMargin - 60, kActionTop + 1, 60, kActionHeight - 1);
    editButton->setGeometry(w - kSideMargin - 130, kActionTop + 1, 60, kActionHeight - 1);
}
