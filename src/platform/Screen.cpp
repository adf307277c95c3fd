#include "platform/Screen.h"

#include "platform/NavigationStack.h"

Screen::Screen(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void Screen::loadViewIfNeeded() {
    if (!loaded_) {
        loaded_ = true;
        viewDidLoad();
        layoutContent();
    }
}

void Screen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (loaded_) {
        layoutContent();
    }
}

NavigationStack* Screen::navigationStack() const {
    return qobject_cast<NavigationStack*>(parentWidget());
}

void Screen::sendWillAppear() {
    if (appearing_) {
        return;
    }
    loadViewIfNeeded();
    appearing_ = true;
    viewWillAppear();
}

void Screen::sendWillDisappear() {
    if (!appearing_) {
        return;
    }
    appearing_ = false;
    viewWillDisappear();
}
