#pragma once

#include "app/KQSBaesVC.h"

class QLabel;

// "修改域名": the shop's second-level domain, which the owner can set once.
class KQSettingRealmVC : public KQSBaesVC {
    Q_OBJECT
public:
    KQSettingRealmVC();

    // Set by the opener; empty while the shop has none.
    QString subdomain;
    QLabel* rightL;

    // "编辑": the field editor "修改域名", starting empty.
    void editRealm();
    // The editor's text: checked here, then sent.
    void subdomainChosen(const QString& text);

protected:
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void subdomainSaved(const QString& text);
    void showSubdomain();

    QWidget* row_;
};
