#include "goods/KQSSearchVC.h"

#include "platform/Assets.h"
#include "service/KQHttpClientList.h"
#include "ui/KQBaseTableView.h"
#include "ui/Style.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kMargin = 12;

QString allCategoriesTitle() {
    return QStringLiteral("选择分组");
}

KQRequest* fetchGoods(const GoodsSearchQuery& query, int start, int size, ReplyBlock done) {
    KQProject& bag = KQProject::project();
    bag.category_id = query.category_id;
    bag.item_name = query.item_name;
    bag.start_time = QString();
    bag.end_time = QString();
    bag.status = QString();
    bag.orderby = QString();
    bag.start = start;
    bag.size = size;
    return KQHttpClientList::getGoodsListWithProject(bag, std::move(done));
}

QIcon foldIcon() {
    QIcon icon;
    icon.addPixmap(Assets::image(QStringLiteral("kqsSearch_packup")), QIcon::Normal, QIcon::Off);
    icon.addPixmap(Assets::image(QStringLiteral("kqsSearch_an")), QIcon::Normal, QIcon::On);
    return icon;
}

} // namespace

KQSSearchVC::KQSSearchVC(QWidget* parent) : KQSBaesVC(parent) {
    setObjectName(QStringLiteral("KQSSearchVC"));
}

void KQSSearchVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
    topBand_ = new QWidget(this);
    topBand_->setAttribute(Qt::WA_StyledBackground);
    topBand_->setStyleSheet(QStringLiteral("background: white;"));

    selectGourpBtn_ = new QPushButton(allCategoriesTitle(), this);
    selectGourpBtn_->setObjectName(QStringLiteral("selectGourpBtn"));
    selectGourpBtn_->setCheckable(true);
    selectGourpBtn_->setFont(Style::systemFont(12));
    selectGourpBtn_->setIcon(foldIcon());
    selectGourpBtn_->setLayoutDirection(Qt::RightToLeft);
    selectGourpBtn_->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: white; color: %1; }")
            .arg(Style::rgbText(Style::darkText())));
    connect(selectGourpBtn_, &QPushButton::clicked, this, [this] { selectgourp(); });

    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(QStringLiteral("searchField"));
    searchField_->setPlaceholderText(QStringLiteral(" 搜索商品名称"));
    searchField_->setAccessibleName(QStringLiteral("搜索商品名称"));
    connect(searchField_, &QLineEdit::returnPressed, this, [this] { textFieldShouldReturn(); });
    cancelBtn_ = new QPushButton(QStringLiteral("取消"), this);
    cancelBtn_->setObjectName(QStringLiteral("cancelBtn"));
    cancelBtn_->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: white; color: %1; }")
            .arg(Style::rgbText(Style::darkText())));
    connect(cancelBtn_, &QPushButton::clicked, this, [this] { back(); });

    tableView_ = new KQBaseTableView(TableView::Style::Plain, this);
    tableView_->setObjectName(QStringLiteral("tableView"));
    list_ = new Goods(tableView_, fetchGoods, &GoodsPayload::goodsPage);
    // A search that fails leaves the goods found before.
    list_->setKeepsRowsUntilReply(true);
    connect(list_, &PagedListBase::pulled, this, &KQSSearchVC::dropCategoryFilter);
    connect(list_, &PagedListBase::finished, searchField_, [this] { searchField_->clearFocus(); });
    connect(tableView_->scroller(), &QScroller::stateChanged, this, [this](QScroller::State state) {
        if (state == QScroller::Dragging) {
            searchField_->clearFocus();
        }
    });
    rows_.attach(tableView_, list_->records());

    menuView_ = new KQSGoodsSearchMenuView(this);
    menuView_->delegate = this;
    layoutContent();
    createSearchDateWithIndex();
}

void KQSSearchVC::createSearchDateWithIndex(int) {
    list_->setQuery({category_id_, searchField_->text()});
}

void KQSSearchVC::textFieldShouldReturn() {
    createSearchDateWithIndex();
    searchField_->clearFocus();
}

void KQSSearchVC::selectgourp() {
    if (selectGourpBtn_->isChecked()) {
        menuView_->showMenuSuperView();
    } else {
        menuView_->hiddenMenu();
    }
}

void KQSSearchVC::dropCategoryFilter() {
    category_id_.clear();
    selectGourpBtn_->setText(allCategoriesTitle());
    list_->setQueryForNextRefresh({category_id_, searchField_->text()});
}

void KQSSearchVC::goodsSearchMenuView(KQSGoodsSearchMenuView*,
                                      const KQSOneGoodsCategoryModel& modelOne,
                                      const std::optional<KQSGoodsCategoryModel>& modelTwo) {
    selectGourpBtn_->toggle();
    selectgourp();
    category_id_ = modelTwo ? modelTwo->category_id : modelOne.category_id;
    createSearchDateWithIndex();
    selectGourpBtn_->setText(modelTwo ? modelTwo->name : modelOne.name);
}

void KQSSearchVC::layoutContent() {
    if (!tableView_) {
        return;
    }
    const int w = width();
    topBand_->setGeometry(0, 0, w, kTitleBarTop + kBarHeight);
    selectGourpBtn_->setGeometry(0, kTitleBarTop, kCategoryButtonWidth, kBarHeight);
    const int cancelWidth = 50;
    searchField_->setGeometry(kCategoryButtonWidth, kTitleBarTop + 8,
                              w - kCategoryButtonWidth - cancelWidth, 28);
    cancelBtn_->setGeometry(w - cancelWidth, kTitleBarTop, cancelWidth, kBarHeight);
    tableView_->setGeometry(kMargin, kListTop, w - 2 * kMargin, height() - kListTop - kMargin);
}
