#include "orders/KQSortScrollView.h"

#include "platform/KineticScrolling.h"
#include "ui/Style.h"

#include <QButtonGroup>
#include <QPushButton>

namespace {

constexpr int kTabWidth = 65;
constexpr int kTabPitch = 70;
constexpr int kFirstTabX = 20;
constexpr int kLineTop = 48;
constexpr int kLineHeight = 2;

void colourLine(QWidget* line, bool selected) {
    line->setStyleSheet(
        QStringLiteral("background: %1;")
            .arg(selected ? Style::rgbText(Style::selectedRed()) : QStringLiteral("white")));
}

} // namespace

KQSortScrollView::KQSortScrollView(QWidget* parent)
    : QScrollArea(parent), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("sortView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(false);
    setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget { background: white; }"));
    KineticScrolling::enable(viewport(), Qt::Horizontal,
                             KineticScrolling::Edges::BounceWhenScrollable);
    connect(group_, &QButtonGroup::idClicked, this, &KQSortScrollView::sortBtnClick);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (QWidget* line = lineArr_.value(id)) {
            colourLine(line, checked);
        }
    });
}

KQSortScrollView* KQSortScrollView::sortScrollViewWithArr(const QStringList& titles, int index,
                                                          QWidget* parent) {
    auto* strip = new KQSortScrollView(parent);
    strip->build(titles, index);
    return strip;
}

void KQSortScrollView::build(const QStringList& titles, int index) {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("sortContent"));
    content->setAttribute(Qt::WA_StyledBackground);
    content->setStyleSheet(QStringLiteral("background: white;"));
    content->resize(kTabPitch * int(titles.size()) + kFirstTabX, kHeight);
    const QString titleStyle =
        QStringLiteral("QPushButton { border: none; background: transparent; color: %1; }"
                       "QPushButton:checked { color: %2; }")
            .arg(Style::rgbText(Style::greyText()), Style::rgbText(Style::selectedRed()));
    for (int i = 0; i < titles.size(); ++i) {
        auto* button = new QPushButton(titles.at(i), content);
        button->setObjectName(QStringLiteral("sortBtn%1").arg(i));
        button->setCheckable(true);
        button->setFont(Style::systemFont(15));
        button->setStyleSheet(titleStyle);
        button->setGeometry(kFirstTabX + kTabPitch * i, 0, kTabWidth, kHeight);
        auto* line = new QWidget(content);
        line->setAttribute(Qt::WA_StyledBackground);
        line->setGeometry(kFirstTabX + kTabPitch * i, kLineTop, kTabWidth, kLineHeight);
        colourLine(line, false);
        btnArr_.append(button);
        lineArr_.append(line);
        group_->addButton(button, i);
    }
    setWidget(content);
    if (QAbstractButton* selected = group_->button(index)) {
        selected->setChecked(true);
        // A strip opened on one of its last tabs shows that tab.
        ensureWidgetVisible(selected, 0, 0);
    }
}

int KQSortScrollView::selectedIndex() const {
    return group_->checkedId();
}

void KQSortScrollView::sortBtnClick(int index) {
    if (sortBtnBlock) {
        sortBtnBlock(sortArray.value(index));
    }
}
