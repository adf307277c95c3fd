#pragma once

#include <QObject>

class PhoneWindow;
class QWidget;

// Starts the app: the window, the choice between sign-in and the tabs, the silent sign-in with
// a stored account, and the one place where the window's root is replaced.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(PhoneWindow* window, QObject* parent = nullptr);

    PhoneWindow* window() const { return window_; }

    void didFinishLaunching();
    // Sign-in stack without a stored account; the tabs at once, then a silent sign-in, with one.
    void rootIsLogIn();
    void applicationDidEnterBackground();

    // Replaces the whole window content; the shared sign-in screen survives its old stack.
    static void replaceRoot(QWidget* root);
    static void showSignIn();
    static void showTabs();

private:
    void silentSignIn(const QString& userid, const QString& password);

    PhoneWindow* window_;
};
