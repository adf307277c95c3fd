#include "app/AppDelegate.h"

#include "app/KQSLoginVC.h"
#include "app/KQSNavigtionVC.h"
#include "app/KQSRootVC.h"
#include "platform/PhoneWindow.h"
#include "service/KQAccountTool.h"
#include "service/KQHttpClientList.h"
#include "service/KQProject.h"
#include "service/LoginAccount.h"
#include "service/Record.h"

#include <QGuiApplication>

namespace {
struct SignInData {
    QString shop_id;
    static const RecordFields<SignInData>& fields() {
        static const RecordFields<SignInData> table{{"shop_id", &SignInData::shop_id}};
        return table;
    }
};
} // namespace

AppDelegate::AppDelegate(PhoneWindow* window, QObject* parent) : QObject(parent), window_(window) {
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationSuspended || state == Qt::ApplicationHidden ||
                    state == Qt::ApplicationInactive) {
                    applicationDidEnterBackground();
                }
            });
}

void AppDelegate::didFinishLaunching() {
    rootIsLogIn();
}

void AppDelegate::rootIsLogIn() {
    const std::optional<KQAccount> account = KQAccountTool::account();
    if (!account) {
        showSignIn();
        return;
    }
    showTabs();
    silentSignIn(account->userid, account->userPassCode);
}

void AppDelegate::silentSignIn(const QString& userid, const QString& password) {
    KQProject& bag = KQProject::project();
    bag.mobile = userid;
    bag.password = password;
    KQHttpClientList::request_Login(
        bag, [userid, password](const QJsonObject* reply, const ServiceError*) {
            if (!reply) {
                showSignIn();
                return;
            }
            const auto data = RecordMapper::fromJson<SignInData>(reply->value("data").toObject());
            LoginAccount::saveLoginAccountWithshopid(data.shop_id, userid, password);
        });
}

void AppDelegate::applicationDidEnterBackground() {
    KQSLoginVC::login()->endEditing();
}

void AppDelegate::replaceRoot(QWidget* root) {
    PhoneWindow* window = PhoneWindow::current();
    KQSLoginVC* login = KQSLoginVC::login();
    const bool loginLeaves = login->parentWidget() && !root->isAncestorOf(login);
    if (window && loginLeaves && window->root() && window->root()->isAncestorOf(login)) {
        // The old root is deleted with its children; the shared screen must not go with it.
        login->hide();
        login->setParent(nullptr);
    }
    if (window) {
        window->setRoot(root);
    }
}

void AppDelegate::showSignIn() {
    replaceRoot(new KQSNavigtionVC(KQSLoginVC::login()));
}

void AppDelegate::showTabs() {
    replaceRoot(new KQSRootVC);
}
