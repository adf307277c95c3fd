#pragma once

#include "app/WebPageModule.h"

#include <QObject>

// The web module's entry, found by the program when it loads the module.
class WebModule : public QObject, public WebPageModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebPageModule_iid)
    Q_INTERFACES(WebPageModule)
public:
    KQSBaesVC* createWebPage(const QString& urlStr, const QString& titleName) override;
};
