#pragma once

class QWidget;

// Carries "about to appear / disappear" down to the screens that are really shown: a screen
// itself, the top of a navigation stack, the current stack of a tab container.
class Lifecycle {
public:
    static void willAppear(QWidget* content);
    static void willDisappear(QWidget* content);
};
