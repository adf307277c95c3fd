#include "stats/KQSDataBottomBar.h"

#include "app/TabBarButton.h"
#include "stats/StatsLook.h"

namespace {

struct Kind {
    const char* title;
    const char* icon;
    const char* selectedIcon;
};

const Kind kKinds[] = {
    {"访客", "DataStatistics_man_nor", "DataStatistics_man_select"},
    {"订单", "DataStatistics_order_nor", "DataStatistics_order_select"},
    {"营收", "DataStatistics_money_nor", "DataStatistics_money_select"},
};

TabBarButton::Look kindLook() {
    TabBarButton::Look look;
    look.iconTop = 6;
    look.iconSize = QSize(25, 25);
    look.titlePoints = 12;
    look.titleHeight = 12;
    look.selectedColour = StatsLook::red();
    return look;
}

} // namespace

KQSDataBottomBar::KQSDataBottomBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("bottomBar"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    int tag = 0;
    for (const Kind& kind : kKinds) {
        auto* button = new TabBarButton(QString::fromUtf8(kind.title), kind.icon, kind.selectedIcon,
                                        kindLook(), this);
        button->setObjectName(QStringLiteral("kindTab%1").arg(tag));
        button->setProperty("tag", tag++);
        connect(button, &TabBarButton::clicked, this, [this, button] { clickedWithBtn(button); });
        btns_ << button;
    }
    select(0);
}

void KQSDataBottomBar::clickedWithBtn(TabBarButton* button) {
    const int tag = button->property("tag").toInt();
    select(tag);
    if (index) {
        index(tag);
    }
}

void KQSDataBottomBar::clickedChangIndexBtn(int k) {
    select(k);
}

void KQSDataBottomBar::select(int k) {
    for (int i = 0; i < btns_.size(); ++i) {
        btns_[i]->setChecked(i == k);
    }
    selected_ = k >= 0 && k < btns_.size() ? k : -1;
}

void KQSDataBottomBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (int i = 0; i < btns_.size(); ++i) {
        const int x = width() * i / int(btns_.size());
        btns_[i]->setGeometry(x, 0, width() * (i + 1) / int(btns_.size()) - x, kHeight);
    }
}
