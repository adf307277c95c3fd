#pragma once

#include "app/KQSBaesVC.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVariantAnimation;

// The sign-in screen: mobile number and password. One instance for the whole process, so
// the fields keep what was typed last while the app runs.
class KQSLoginVC : public KQSBaesVC {
    Q_OBJECT
public:
    static KQSLoginVC* login();

    // What a successful "login.do" leaves behind: the account file and the cookie copy.
    static bool saveLoginAccountWithshopid(const QString& shopId, const QString& userid,
                                           const QString& password);

    QLabel* LOGOView;
    QWidget* textBarView;
    QLabel* userIconView;
    QLineEdit* userIdField;
    QLabel* passwordIconView;
    QLineEdit* passwordField;
    QPushButton* loginBtn;
    QPushButton* forgetBtn;
    QLabel* buttomTitleLabel;

    static constexpr int kKeyboardLift = 70;
    static constexpr int kLiftMs = 250;
    bool isLifted() const { return lifted_; }
    // How far the content is drawn from its resting place now (it moves for kLiftMs).
    int drawnShift() const { return drawnShift_; }
    // Closes the keyboard (a background touch, the app going to the background).
    void endEditing();

    void loginClick();
    void forgetPasswordClicked();

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewWillDisappear() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    KQSLoginVC();
    void buildViews();
    void layoutViews();
    void textFieldDidBeginEditing(QLineEdit* field);
    void keyBoarEvent(const QRect& keyboardFrame);
    void shiftBy(int dy);
    void signedIn(const QJsonObject& reply, const QString& mobile, const QString& password);

    bool lifted_ = false;
    int keyboardTop_ = 0;
    int targetShift_ = 0;
    int drawnShift_ = 0;
    QMetaObject::Connection keyboardConnection_;
    QVariantAnimation* liftAnimation_ = nullptr;
};
