#include "ui/KQSBottumsView.h"

#include "ui/Style.h"

#include <QButtonGroup>
#include <QPushButton>

namespace {

constexpr int kTabCount = 3;
constexpr int kLineWidth = 50;
constexpr int kLineHeight = 2;
constexpr int kLineTop = 48;

QString titleStyle() {
    return QStringLiteral("QPushButton { border: none; background: transparent; color: %1; }"
                          "QPushButton:checked { color: %2; }")
        .arg(Style::rgbText(Style::greyText()), Style::rgbText(Style::selectedRed()));
}

void colourLine(QWidget* line, bool selected) {
    line->setStyleSheet(
        selected ? QStringLiteral("background: %1;").arg(Style::rgbText(Style::selectedRed()))
                 : QStringLiteral("background: transparent;"));
}

} // namespace

KQSBottumsView::KQSBottumsView(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("bottumsView"));
    connect(group_, &QButtonGroup::idClicked, this, &KQSBottumsView::KQSBttonClick);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (QWidget* line = lines_.value(id)) {
            colourLine(line, checked);
        }
    });
}

void KQSBottumsView::setTitles(const QStringList& titles) {
    qDeleteAll(btns_);
    qDeleteAll(lines_);
    btns_.clear();
    lines_.clear();
    titles_ = titles.mid(0, kTabCount);
    for (int i = 0; i < titles_.size(); ++i) {
        auto* button = new QPushButton(titles_[i], this);
        button->setObjectName(QStringLiteral("tab%1").arg(i));
        button->setCheckable(true);
        button->setFont(Style::systemFont(15));
        button->setStyleSheet(titleStyle());
        auto* line = new QWidget(this);
        line->setAttribute(Qt::WA_StyledBackground);
        colourLine(line, false);
        btns_.append(button);
        lines_.append(line);
        group_->addButton(button, i);
        button->show();
        line->show();
    }
    layoutTabs();
    select(0);
}

void KQSBottumsView::scrollBtnChangeWithIndex(int index) {
    select(index);
}

int KQSBottumsView::selectedIndex() const {
    return group_->checkedId();
}

void KQSBottumsView::KQSBttonClick(int index) {
    if (indexBlock) {
        indexBlock(index);
    }
}

void KQSBottumsView::select(int index) {
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last checked button by itself.
    if (QAbstractButton* current = group_->checkedButton()) {
        group_->setExclusive(false);
        current->setChecked(false);
        group_->setExclusive(true);
    }
}

void KQSBottumsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutTabs();
}

void KQSBottumsView::layoutTabs() {
    const qreal third = width() / qreal(kTabCount);
    for (int i = 0; i < btns_.size(); ++i) {
        const int x = qRound(i * third);
        const int w = qRound((i + 1) * third) - x;
        btns_[i]->setGeometry(x, 0, w, kHeight);
        lines_[i]->setGeometry(x + (w - kLineWidth) / 2, kLineTop, kLineWidth, kLineHeight);
    }
}
