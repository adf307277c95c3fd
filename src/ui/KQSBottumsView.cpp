#include "ui/KQSBottumsView.h"

#include "ui/Style.h"

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

KQSBottumsView::KQSBottumsView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("bottumsView"));
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
        button->setProperty("tag", i);
        button->setCheckable(true);
        button->setFont(Style::systemFont(15));
        button->setStyleSheet(titleStyle());
        connect(button, &QPushButton::clicked, this, [this, button] { KQSBttonClick(button); });
        auto* line = new QWidget(this);
        line->setAttribute(Qt::WA_StyledBackground);
        colourLine(line, false);
        btns_.append(button);
        lines_.append(line);
        button->show();
        line->show();
    }
    layoutTabs();
    selected_ = -1;
    select(0);
}

void KQSBottumsView::scrollBtnChangeWithIndex(int index) {
    select(index);
}

void KQSBottumsView::KQSBttonClick(QPushButton* button) {
    const int tag = button->property("tag").toInt();
    select(tag);
    if (indexBlock) {
        indexBlock(tag);
    }
}

void KQSBottumsView::select(int index) {
    if (selected_ >= 0 && selected_ < btns_.size()) {
        btns_[selected_]->setChecked(false);
        colourLine(lines_[selected_], false);
    }
    if (index < 0 || index >= btns_.size()) {
        selected_ = -1;
        return;
    }
    selected_ = index;
    btns_[index]->setChecked(true);
    colourLine(lines_[index], true);
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
