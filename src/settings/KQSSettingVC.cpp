#include "settings/KQSSettingVC.h"

#include "app/KQLogoutVC.h"
#include "app/KQSNavigtionVC.h"
#include "platform/Assets.h"
#include "platform/Defaults.h"
#include "platform/ImageView.h"
#include "platform/Toast.h"
#include "service/KQHttpClientList.h"
#include "settings/KQSSettintCell.h"
#include "settings/KQSettingRealmVC.h"
#include "settings/KQSettingViewController.h"
#include "ui/KQAlert.h"
#include "ui/KQBaseTableView.h"
#include "ui/Style.h"

#include <QLabel>

namespace {

constexpr int kTableTop = 64;
constexpr int kHeightTaken = 64 + 44; // the bar above, the tab bar's room below
constexpr int kLogoLeft = 15;
constexpr int kLogoTextGap = 12;
constexpr int kArrowSide = 16;
constexpr int kArrowRight = 12;

const QString kShopNameKey = QStringLiteral("shopName");

} // namespace

KQSSettingVC::KQSSettingVC(QWidget* parent)
    : KQSBaesVC(parent), tableView(nullptr), iconView(nullptr),
      dataArray(SettingModel::settingModelList()) {
    setObjectName(QStringLiteral("KQSSettingVC"));
}

void KQSSettingVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    tableView = new KQBaseTableView(TableView::Style::Plain, this);
    tableView->setObjectName(QStringLiteral("tableView"));
    tableView->setBackgroundColor(Style::background());
    tableView->setDataSource(this);
    tableView->setTableHeaderView(makeHeader());
    connect(tableView, &TableView::rowSelected, this, [this](int section, int row) {
        didSelectRow({section, row});
    });
    placeTable();
}

QWidget* KQSSettingVC::makeHeader() {
    // A real button, so that the whole header takes the touch and assistive technology sees it.
    auto* header = new TableCell(QString());
    header->setObjectName(QStringLiteral("logoHeader"));
    header->setAccessibleName(QStringLiteral("修改店铺头像"));
    header->resize(width(), kHeaderHeight);
    iconView = new ImageView(header);
    iconView->setObjectName(QStringLiteral("iconView"));
    iconView->setCircular(true);
    iconView->setContentMode(ImageView::ContentMode::AspectFill);
    iconView->setAccessibleName(QStringLiteral("店铺头像"));
    iconView->setGeometry(kLogoLeft, (kHeaderHeight - kLogoSide) / 2, kLogoSide, kLogoSide);
    iconView->setImage(Assets::image(QStringLiteral("orderManager_icon")));
    auto* text = new QLabel(QStringLiteral("修改店铺头像"), header);
    text->setObjectName(QStringLiteral("logoText"));
    text->setFont(Style::systemFont(15));
    text->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));
    text->setGeometry(kLogoLeft + kLogoSide + kLogoTextGap, 0, 150, kHeaderHeight);
    auto* arrow = new QLabel(header);
    arrow->setObjectName(QStringLiteral("logoArrow"));
    arrow->setPixmap(Assets::image(QStringLiteral("Setting_iconfont-tiaozhuan")));
    arrow->setFixedSize(kArrowSide, kArrowSide);
    for (QWidget* child : {static_cast<QWidget*>(iconView), static_cast<QWidget*>(text),
                           static_cast<QWidget*>(arrow)}) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    connect(header, &QAbstractButton::clicked, this, &KQSSettingVC::storeLogoClick);
    return header;
}

void KQSSettingVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("个人中心"));
    getConfigData();
}

void KQSSettingVC::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    placeTable();
}

void KQSSettingVC::placeTable() {
    if (!tableView) {
        return;
    }
    tableView->setGeometry(0, kTableTop, width(), std::max(0, height() - kHeightTaken));
    if (QWidget* header = tableView->tableHeaderView()) {
        header->resize(width(), kHeaderHeight);
        if (auto* arrow = header->findChild<QLabel*>(QStringLiteral("logoArrow"))) {
            arrow->move(width() - kArrowRight - kArrowSide, (kHeaderHeight - kArrowSide) / 2);
        }
    }
}

void KQSSettingVC::getConfigData() {
    const quint64 serial = ++loadSerial_;
    loading_ = KQHttpClientList::request_SystemMsgBlock(
        [this, serial](const QJsonObject* reply, const ServiceError*) {
            if (reply && serial == loadSerial_) {
                profileLoaded(*reply);
            }
        });
    loading_->guardedBy(this);
}

void KQSSettingVC::profileLoaded(const QJsonObject& reply) {
    model_ = RecordMapper::fromJson<KQSSettingShopModel>(reply.value("data").toObject());
    reloadLogo();
    tableView->reloadData();
}

void KQSSettingVC::reloadLogo() {
    const QString logo = model_ ? model_->logo : QString();
    iconView->setImageUrl(QUrl(logo), Assets::image(QStringLiteral("orderManager_icon")));
}

void KQSSettingVC::storeLogoClick() {
    QPointer<KQSSettingVC> self(this);
    KQAlert::StoreLogoImageWithController(this, [self](const QImage& picture) {
        if (self) {
            self->uploadLogo(picture);
        }
    });
}

void KQSSettingVC::uploadLogo(const QImage& picture) {
    KQHttpClientList::request_UploadLogoWith(picture, [this, picture](const QJsonObject* reply,
                                                                      const ServiceError*) {
        if (reply) {
            Toast::showSuccess(QStringLiteral("图片上传成功"));
            iconView->setImage(QPixmap::fromImage(picture));
        }
    })->guardedBy(this);
}

void KQSSettingVC::didSelectRow(IndexPath indexPath) {
    KQSNavigtionVC* stack = navigationController();
    if (!stack) {
        return;
    }
    if (indexPath.section == 1) {
        stack->pushViewController(new KQLogoutVC, true);
        return;
    }
    // An editor needs the profile: what it sends replaces every field on the service.
    if (!model_) {
        getConfigData();
        return;
    }
    switch (indexPath.row) {
    case NameRow:
    case ContactsRow:
    case EmailRow:
        openTextEditor(indexPath.row);
        break;
    case SubdomainRow:
        openRealm();
        break;
    default:
        break;
    }
}

QString KQSSettingVC::editorTitle(int row) {
    switch (row) {
    case NameRow:
        return QStringLiteral("修改公司名");
    case ContactsRow:
        return QStringLiteral("修改联系人");
    case EmailRow:
        return QStringLiteral("修改联系邮箱");
    default:
        return {};
    }
}

void KQSSettingVC::setPushedVCRow(KQSSettingShopModel& record, int row, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    switch (row) {
    case NameRow:
        record.name = text;
        break;
    case ContactsRow:
        record.contacts = text;
        break;
    case EmailRow:
        record.email = text;
        break;
    default:
        break;
    }
}

void KQSSettingVC::openTextEditor(int row) {
    QPointer<KQSSettingVC> self(this);
    auto* editor = KQSettingViewController::settingTextVCWithTitle(
        editorTitle(row), rightText({0, row}), [self, row](const QString& text) {
            if (self) {
                self->saveText(row, text);
            }
        });
    navigationController()->pushViewController(editor, true);
}

void KQSSettingVC::openRealm() {
    auto* realm = new KQSettingRealmVC;
    realm->subdomain = model_->subdomain;
    navigationController()->pushViewController(realm, true);
}

void KQSSettingVC::saveText(int row, const QString& text) {
    if (!model_) {
        return;
    }
    // The record on screen changes only once the service took the change, so that a refused
    // value is never sent again with the next edit of another field.
    KQSSettingShopModel edited = *model_;
    setPushedVCRow(edited, row, text);
    KQHttpClientList::request_UpdateMsgWith(edited, [this, row, text](const QJsonObject* reply,
                                                                      const ServiceError*) {
        if (reply) {
            textSaved(row, text);
        }
    })->guardedBy(this);
}

void KQSSettingVC::textSaved(int row, const QString& text) {
    Toast::showSuccess(QStringLiteral("保存成功"));
    if (row == NameRow) {
        Defaults::setValue(kShopNameKey, text);
    }
    if (model_) {
        setPushedVCRow(*model_, row, text);
        tableView->reloadData();
    }
    // A load sent before the service took the change may still answer with the old value.
    if (loading_ && !loading_->isFinished()) {
        getConfigData();
    }
}

QString KQSSettingVC::rightText(IndexPath indexPath) const {
    const QString fixed = dataArray.value(indexPath.section).value(indexPath.row).rigtTitle;
    if (!model_ || indexPath.section != 0) {
        return fixed;
    }
    const auto completed = [](const QString& value) {
        return value.isEmpty() ? QStringLiteral("未完善") : QStringLiteral("已完善");
    };
    switch (indexPath.row) {
    case NameRow:
        return model_->name;
    case ContactsRow:
        return model_->contacts;
    case AddressRow:
        return completed(model_->detail_address);
    case EmailRow:
        return model_->email;
    case SubdomainRow:
        return completed(model_->subdomain);
    default:
        return fixed;
    }
}

int KQSSettingVC::numberOfSections(TableView*) {
    return int(dataArray.size());
}

int KQSSettingVC::numberOfRows(TableView*, int section) {
    return int(dataArray.value(section).size());
}

TableCell* KQSSettingVC::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell =
        static_cast<KQSSettintCell*>(table->dequeueReusableCell(KQSSettintCell::reuseIdentifier()));
    if (!cell) {
        cell = new KQSSettintCell;
    }
    cell->setObjectName(QStringLiteral("row%1_%2").arg(indexPath.section).arg(indexPath.row));
    cell->setModel(dataArray.value(indexPath.section).value(indexPath.row));
    cell->setRightText(rightText(indexPath));
    cell->setLineHidden(indexPath.row == numberOfRows(table, indexPath.section) - 1);
    return cell;
}

int KQSSettingVC::heightForRow(TableView*, IndexPath) {
    return KQSSettintCell::kHeight;
}

int KQSSettingVC::heightForHeader(TableView*, int) {
    return kSectionGap;
}
