#include "app/KQSRootVC.h"

#include "app/KQSBaesVC.h"
#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "app/ScreenClasses.h"
#include "app/TabBarButton.h"

#include <QAbstractButton>

namespace {
constexpr int kFirstTag = 100;

// Stands in for a tab whose screen has not been written yet: the tab's title and nothing else.
class PendingTabScreen : public KQSBaesVC {
public:
    explicit PendingTabScreen(QString title) : title_(std::move(title)) {}

protected:
    void viewWillAppear() override { setUpNaviBar(title_); }

private:
    QString title_;
};

// The white bar over the tab container's own bar; its buttons share its width in thirds.
class RootTabBar : public QWidget {
protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const QList<QAbstractButton*> buttons = findChildren<QAbstractButton*>();
        const int count = int(buttons.size());
        for (int i = 0; i < count; ++i) {
            const int x = i * width() / count;
            buttons[i]->setGeometry(x, 0, (i + 1) * width() / count - x, height());
        }
    }
};
} // namespace

KQSRootVC::KQSRootVC(QWidget* parent) : TabContainer(parent) {
    setObjectName(QStringLiteral("rootVC"));
    createSubVC();
}

const QList<KQSRootVC::Tab>& KQSRootVC::tabs() {
    static const QList<Tab> table{
        {QStringLiteral("店铺"), QStringLiteral("tabbar_shouye"), QStringLiteral("tabbar_shouye_l"),
         QStringLiteral("KQSShopVC")},
        {QStringLiteral("消息"), QStringLiteral("tabbar_xiaoxi"), QStringLiteral("tabbar_xiaoxi_l"),
         QStringLiteral("KQSMessageVC")},
        {QStringLiteral("个人"), QStringLiteral("tabbar_geren"), QStringLiteral("tabbar_geren_l"),
         QStringLiteral("KQSSettingVC")},
    };
    return table;
}

Screen* KQSRootVC::firstScreen(const Tab& tab) {
    if (Screen* screen = ScreenClasses::create(tab.firstScreen)) {
        return screen;
    }
    return new PendingTabScreen(tab.title);
}

void KQSRootVC::createSubVC() {
    tabBarView = new RootTabBar;
    tabBarView->setObjectName(QStringLiteral("tabBarView"));
    tabBarView->setAttribute(Qt::WA_StyledBackground);
    tabBarView->setStyleSheet(QStringLiteral("#tabBarView { background: white; }"));
    const int count = int(tabs().size());
    for (int i = 0; i < count; ++i) {
        const Tab& tab = tabs()[i];
        addStack(new KQSNavigtionVC(firstScreen(tab)));
        auto* button = new TabBarButton(tab.title, tab.icon, tab.selectedIcon, tabBarView);
        button->setObjectName(QStringLiteral("tab%1").arg(kFirstTag + i));
        button->setProperty("tag", kFirstTag + i);
        connect(button, &QAbstractButton::clicked, this, [this, button] { rootClick(button); });
        itmes.append(button);
    }
    setTabBarView(tabBarView);
    rootClick(itmes.first());
}

void KQSRootVC::rootClick(QAbstractButton* button) {
    if (selected_) {
        selected_->setChecked(false);
    }
    button->setChecked(true);
    selected_ = button;
    setCurrentIndex(button->property("tag").toInt() - kFirstTag);
}
