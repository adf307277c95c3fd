#include "orders/KQChooseWaybillVC.h"

#include "service/KQHttpClientList.h"
#include "ui/KQBaseTableView.h"
#include "ui/Style.h"

#include <QLabel>

namespace {
constexpr int kRowHeight = 49;
constexpr int kSectionGap = 12;
constexpr int kSideMargin = 12;
constexpr int kTop = 76;
constexpr int kBottomMargin = 24;
constexpr int kNameLeft = 21;
} // namespace

KQWaybillListCell::KQWaybillListCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent), leftL(new QLabel(this)) {
    setSelectionStyle(SelectionStyle::None);
    leftL->setObjectName(QStringLiteral("leftL"));
    leftL->setFont(Style::systemFont(15));
    leftL->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));
}

void KQWaybillListCell::setExpressModel(const KQSExpressModel& express) {
    expressModel_ = express;
    leftL->setText(express.name);
    setAccessibleName(express.name);
}

void KQWaybillListCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    leftL->setGeometry(kNameLeft, 0, qMax(0, width() - kNameLeft - 10), height());
}

KQChooseWaybillVC::KQChooseWaybillVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQChooseWaybillVC"));
}

void KQChooseWaybillVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    tableView_ = new KQBaseTableView(TableView::Style::Grouped, this);
    tableView_->setObjectName(QStringLiteral("tableView"));
    tableView_->setBackgroundColor(Style::background());
    tableView_->setSeparatorsShown(false);
    tableView_->setDataSource(this);
    connect(tableView_, &TableView::rowSelected, this,
            [this](int section, int) { rowSelected(section); });
    list_ = new Companies(tableView_, &KQChooseWaybillVC::request, &OrderPayload::expressPage);
    list_->refresh();
    tableView_->show();
}

void KQChooseWaybillVC::viewWillAppear() {
    setUpNaviBar(QStringLiteral("选择快递"));
}

void KQChooseWaybillVC::layoutContent() {
    tableView_->setGeometry(kSideMargin, kTop, width() - 2 * kSideMargin,
                            height() - kTop - kBottomMargin);
}

KQRequest* KQChooseWaybillVC::request(int start, int size, ReplyBlock done) {
    KQProject& bag = KQProject::project();
    bag.size = size;
    bag.start = start;
    return KQHttpClientList::request_ExpressListWith(bag, std::move(done));
}

void KQChooseWaybillVC::rowSelected(int section) {
    if (section < 0 || section >= dataArray().size()) {
        return;
    }
    const KQSExpressModel chosen = dataArray().at(section);
    if (chooseReturn) {
        chooseReturn(chosen.name, chosen.company_id);
    }
    back();
}

int KQChooseWaybillVC::numberOfSections(TableView*) {
    return int(dataArray().size());
}

int KQChooseWaybillVC::numberOfRows(TableView*, int) {
    return 1;
}

TableCell* KQChooseWaybillVC::cellForRow(TableView* table, IndexPath indexPath) {
    auto* cell = table->dequeue<KQWaybillListCell>();
    cell->setExpressModel(dataArray().at(indexPath.section));
    return cell;
}

int KQChooseWaybillVC::heightForRow(TableView*, IndexPath) {
    return kRowHeight;
}

int KQChooseWaybillVC::heightForHeader(TableView*, int section) {
    return section == 0 ? 0 : kSectionGap;
}
