#include "app/KQSBaesVC.h"

#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "ui/Style.h"

#include <QPushButton>

KQSBaesVC::KQSBaesVC(QWidget* parent) : Screen(parent) {
    setAttribute(Qt::WA_StyledBackground);
}

void KQSBaesVC::viewDidLoad() {
    QPalette p = palette();
    p.setColor(QPalette::Window, Style::background());
    setPalette(p);
    setAutoFillBackground(true);
}

KQSNavigtionVC* KQSBaesVC::navigationController() const {
    return qobject_cast<KQSNavigtionVC*>(navigationStack());
}

void KQSBaesVC::back() {
    if (NavigationStack* stack = navigationStack()) {
        stack->pop(true);
    }
}

void KQSBaesVC::push(Screen* screen) {
    if (!screen) {
        return;
    }
    if (KQSNavigtionVC* stack = navigationController()) {
        stack->pushViewController(screen, true);
    } else {
        delete screen;
    }
}

RCNavigationbar* KQSBaesVC::setUpNaviBar(const QString& title) {
    delete naviBar_;
    naviBar_ = RCNavigationbar::navigationbar(this);
    naviBar_->setTitle(title);
    NavigationStack* stack = navigationStack();
    if (stack && !stack->screens().isEmpty() && stack->screens().first() != this) {
        RCNavigationbar::setImageAction(naviBar_->left0, QStringLiteral("iconfont-back"),
                                        QStringLiteral("返回"), [this] { back(); });
    }
    return naviBar_;
}

void KQSBaesVC::resizeEvent(QResizeEvent* event) {
    if (naviBar_) {
        naviBar_->resize(width(), naviBar_->height());
    }
    Screen::resizeEvent(event);
}
