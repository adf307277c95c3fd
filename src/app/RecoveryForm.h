#pragma once

#include "app/KQSBaesVC.h"

class CredentialPanel;
class QLabel;
class QLineEdit;
class QPushButton;

// What the two form screens of password recovery share: no navigation bar but a back button
// of their own, a title, the white panel of two fields and the action button under it. The
// action button follows the fields as the sign-in button does: whenever the owner begins
// editing a field it is enabled if either field holds text.
class RecoveryForm : public KQSBaesVC {
    Q_OBJECT
public:
    QPushButton* backBtn;
    QLabel* titleLabel;
    CredentialPanel* textBarView;
    QLabel* userIconView;
    QLineEdit* userIdField;
    QLabel* passwordIconView;
    QLineEdit* passwordField;
    QPushButton* nextBtn;

    void backClick();
    // The action button's work.
    virtual void forgetClick() = 0;
    // Closes the keyboard (a touch on the background).
    void endEditing();

protected:
    struct Texts {
        QString title;
        QString firstImage;
        QString firstPlaceholder;
        QString secondImage;
        QString secondPlaceholder;
        QString action;
    };
    explicit RecoveryForm(const Texts& texts);

    void viewWillAppear() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void textFieldDidBeginEditing(QLineEdit* field);
    void layoutViews();
};
