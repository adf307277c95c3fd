#include "web/WebModule.h"

#include "web/KQBaseWebVC.h"

KQSBaesVC* WebModule::createWebPage(const QString& urlStr, const QString& titleName) {
    auto* web = new KQBaseWebVC;
    web->setTitleName(titleName);
    web->setUrlStr(urlStr);
    return web;
}
