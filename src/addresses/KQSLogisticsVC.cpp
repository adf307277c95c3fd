#include "addresses/KQSLogisticsVC.h"

#include "addresses/KQAddAddressVC.h"
#include "addresses/KQLogisticsCell.h"
#include "app/KQSNavigtionVC.h"
#include "platform/Alert.h"
#include "platform/Assets.h"
#include "platform/Toast.h"
#include "service/KQHttpClientList.h"
#include "ui/KQBaseTableView.h"
#include "ui/Style.h"
#include "ui/Widgets.h"

#include <QPointer>
#include <QPushButton>

namespace {
constexpr int kAddButtonHeight = 44;
} // namespace

KQSLogisticsVC::KQSLogisticsVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQSLogisticsVC"));
    setHidesTabBar(true);
}

void KQSLogisticsVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    tableView_ = new KQBaseTableView(TableView::Style::Plain, this);
    tableView_->setObjectName(QStringLiteral("tableView"));
    tableView_->setBackgroundColor(Qt::transparent);
    tableView_->setShowsVerticalScrollIndicator(false);
    tableView_->setDataSource(this);
    tableView_->nullView()->hide();
    connect(tableView_, &TableView::rowSelected, this, [this](int section, int) {
        if (section >= 0 && section < dataArray_.size()) {
            editAddress(dataArray_.at(section).address_id);
        }
    });

    bottomBar_ = Widgets::block(this, Qt::white, QStringLiteral("bottomBar"));
    addButton_ = new QPushButton(QStringLiteral(" 添加地址"), bottomBar_);
    addButton_->setObjectName(QStringLiteral("addButton"));
    addButton_->setAccessibleName(QStringLiteral("添加地址"));
    addButton_->setIcon(Assets::icon(QStringLiteral("orderManager_add")));
    addButton_->setIconSize(QSize(20, 20));
    addButton_->setFont(Style::systemFont(16));
    addButton_->setCursor(Qt::PointingHandCursor);
    addButton_->setStyleSheet(
        QStringLiteral("QPushButton { color: white; border: none; border-radius: 4px;"
                       " background: %1; }")
            .arg(Style::rgbText(Style::selectedRed())));
    connect(addButton_, &QPushButton::clicked, this, &KQSLogisticsVC::gotoAddView);
    resizeEvent(nullptr);
}

void KQSLogisticsVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("地址库"));
    getAddressListData();
}

void KQSLogisticsVC::resizeEvent(QResizeEvent* event) {
    if (event) {
        KQSBaesVC::resizeEvent(event);
    }
    if (!tableView_) {
        return;
    }
    const int w = width();
    const int barTop = height() - kBottomBarHeight;
    bottomBar_->setGeometry(0, barTop, w, kBottomBarHeight);
    addButton_->setGeometry(kMargin, (kBottomBarHeight - kAddButtonHeight) / 2, w - 2 * kMargin,
                            kAddButtonHeight);
    tableView_->setGeometry(kMargin, kNaviBarHeight, w - 2 * kMargin,
                            std::max(0, barTop - kMargin - kNaviBarHeight));
}

void KQSLogisticsVC::getAddressListData() {
    const quint64 generation = ++listGeneration_;
    KQHttpClientList::request_addressListBlock(onReply([this,
                                                        generation](const QJsonObject& reply) {
        if (generation == listGeneration_) {
            showList(KQLogisticsModel::listFromReply(reply));
        }
    }))->guardedBy(this);
}

void KQSLogisticsVC::showList(const QList<KQLogisticsModel>& records) {
    dataArray_ = records;
    redraw();
}

void KQSLogisticsVC::redraw() {
    tableView_->nullView()->setVisible(dataArray_.isEmpty());
    tableView_->reloadData();
}

qsizetype KQSLogisticsVC::indexOf(const QString& addressId) const {
    for (qsizetype i = 0; i < dataArray_.size(); ++i) {
        if (dataArray_.at(i).address_id == addressId) {
            return i;
        }
    }
    return -1;
}

void KQSLogisticsVC::gotoAddView() {
    openEditor(QStringLiteral("添加新地址"), std::nullopt);
}

void KQSLogisticsVC::editAddress(const QString& addressId) {
    const qsizetype index = indexOf(addressId);
    if (index >= 0) {
        openEditor(QStringLiteral("编辑地址"), dataArray_.at(index));
    }
}

void KQSLogisticsVC::openEditor(const QString& title,
                                const std::optional<KQLogisticsModel>& model) {
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->pushViewController(new KQAddAddressVC(title, model), true);
    }
}

// The record changes only once the service has taken the new default; the current default
// is already what a touch would ask for, so touching it sends nothing.
void KQSLogisticsVC::chooseDefault(const QString& addressId) {
    const qsizetype index = indexOf(addressId);
    if (index < 0 || dataArray_.at(index).default_receive) {
        return;
    }
    KQLogisticsModel marked = dataArray_.at(index);
    marked.default_receive = true;
    KQHttpClientList::request_saveAddressWith(
        marked, onReply([this, addressId](const QJsonObject&) { defaultMarked(addressId); }))
        ->guardedBy(this);
}

void KQSLogisticsVC::defaultMarked(const QString& addressId) {
    const qsizetype index = indexOf(addressId);
    if (index < 0) {
        return;
    }
    for (KQLogisticsModel& record : dataArray_) {
        record.default_receive = false;
    }
    dataArray_[index].default_receive = true;
    redraw();
}

void KQSLogisticsVC::deleteAddress(const QString& addressId) {
    auto* alert = new Alert(QStringLiteral("提示"), QStringLiteral("您确认要删除该地址吗?"));
    alert->addAction(QStringLiteral("取消"), Alert::Style::Cancel);
    QPointer<KQSLogisticsVC> self(this);
    alert->addAction(QStringLiteral("确认"), Alert::Style::Default, [self, addressId] {
        if (self) {
            self->sendDelete(addressId);
        }
    });
    alert->present();
}

void KQSLogisticsVC::sendDelete(const QString& addressId) {
    KQProject& bag = KQProject::project();
    bag.address_id = addressId;
    KQHttpClientList::request_deleteAddressWith(
        bag, onReply([this, addressId](const QJsonObject&) { deleted(addressId); }))
        ->guardedBy(this);
}

void KQSLogisticsVC::deleted(const QString& addressId) {
    Toast::showSuccess(QStringLiteral("删除成功"));
    const qsizetype index = indexOf(addressId);
    if (index >= 0) {
        dataArray_.removeAt(index);
    }
    redraw();
}

int KQSLogisticsVC::numberOfSections(TableView*) {
    return int(dataArray_.size());
}

int KQSLogisticsVC::numberOfRows(TableView*, int) {
    return 1;
}

TableCell* KQSLogisticsVC::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = static_cast<KQLogisticsCell*>(
        table->dequeueReusableCell(QString::fromLatin1(KQLogisticsCell::kIdentifier)));
    if (!cell) {
        cell = new KQLogisticsCell;
        cell->defaultBlock = [this](const QString& id) { chooseDefault(id); };
        cell->editBlock = [this](const QString& id) { editAddress(id); };
        cell->deleteBlock = [this](const QString& id) { deleteAddress(id); };
    }
    cell->setModel(dataArray_.value(indexPath.section));
    return cell;
}

int KQSLogisticsVC::heightForRow(TableView*, IndexPath) {
    return KQLogisticsCell::kHeight;
}

int KQSLogisticsVC::heightForHeader(TableView*, int) {
    return kMargin;
}
