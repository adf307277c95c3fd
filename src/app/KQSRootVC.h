#pragma once

#include "platform/TabContainer.h"

class QAbstractButton;
class Screen;

// The signed-in root: three tabs ("店铺", "消息", "个人"), each with its own navigation stack,
// under a white bar of three tab buttons tagged 100 to 102.
class KQSRootVC : public TabContainer {
    Q_OBJECT
public:
    explicit KQSRootVC(QWidget* parent = nullptr);

    QWidget* tabBarView = nullptr;
    QList<QAbstractButton*> itmes;
    QAbstractButton* selectedButton() const { return selected_; }

    // Selects the tab of the touched button; touching the selected tab changes nothing.
    void rootClick(QAbstractButton* button);

    struct Tab {
        QString title;
        QString icon;
        QString selectedIcon;
        QString firstScreen;
    };
    static const QList<Tab>& tabs();

private:
    void createSubVC();
    static Screen* firstScreen(const Tab& tab);

    QAbstractButton* selected_ = nullptr;
};
