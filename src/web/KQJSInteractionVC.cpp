#include "web/KQJSInteractionVC.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QtDebug>
#include <unistd.h>

namespace {
// Chromium needs these to run without a display server and as root (CI containers); a caller
// that set them keeps its own values.
void prepareWebEngineEnvironment() {
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

QWebEngineScript scriptObjectScript() {
    QWebEngineScript script;
    script.setName(QStringLiteral("scriptObject"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral("Object.defineProperty(window, '%1', {value: "
                                        "Object.freeze(Object.create(null)), writable: false, "
                                        "configurable: false, enumerable: false});")
                             .arg(KQJSObjectProtocol::scriptObjectName()));
    return script;
}
} // namespace

KQWebPage::KQWebPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {}

void KQWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                         const QString& message, int, const QString&) {
    if (level == ErrorMessageLevel) {
        emit scriptException(message);
    }
}

KQJSInteractionVC::KQJSInteractionVC(QWidget* parent) : KQSBaesVC(parent) {}

QWebEngineProfile* KQJSInteractionVC::webProfile() {
    static QWebEngineProfile* profile = [] {
        prepareWebEngineEnvironment();
        auto* p = new QWebEngineProfile(QCoreApplication::instance());
        p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        p->scripts()->insert(scriptObjectScript());
        return p;
    }();
    return profile;
}

KQWebPage* KQJSInteractionVC::createScriptPage(QObject* parent) {
    auto* page = new KQWebPage(webProfile(), parent);
    connect(page, &KQWebPage::scriptException, this, [this](const QString& message) {
        lastException_ = message;
        qWarning().noquote() << QStringLiteral("异常信息：%1").arg(message);
    });
    return page;
}
