#include "app/WebPage.h"

#include "app/KQSBaesVC.h"
#include "app/WebPageModule.h"
#include "platform/Toast.h"
#include "shop_build_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <QtDebug>

namespace {
// The loaded module, or nullptr while none could be loaded; a failed load is tried again at the
// next page, so a module installed meanwhile is found. A loaded module stays for the process:
// its screens' code lives in it.
WebPageModule* module() {
    static WebPageModule* loaded = nullptr;
    if (!loaded) {
        QPluginLoader loader(WebPage::modulePath());
        loaded = qobject_cast<WebPageModule*>(loader.instance());
        if (!loaded) {
            qWarning().noquote()
                << QStringLiteral("web module not loaded: %1").arg(loader.errorString());
        }
    }
    return loaded;
}
} // namespace

QString WebPage::modulePath() {
    const QString fromEnvironment = qEnvironmentVariable("SHOP_WEB_MODULE");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(SHOP_LIBRARY_DIR_FROM_PROGRAM "/lib" SHOP_WEB_MODULE_NAME ".so"));
}

KQSBaesVC* WebPage::create(const QString& urlStr, const QString& titleName) {
    WebPageModule* web = module();
    if (!web) {
        Toast::showError(kModuleMissingMessage);
        return nullptr;
    }
    return web->createWebPage(urlStr, titleName);
}
