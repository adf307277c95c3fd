#pragma once

#include <QtPlugin>

class KQSBaesVC;
class QString;

// What the web module offers the program once loaded (see WebPage.h for openers).
class WebPageModule {
public:
    virtual ~WebPageModule() = default;
    // A new web page screen with its title set that has started loading the address.
    virtual KQSBaesVC* createWebPage(const QString& urlStr, const QString& titleName) = 0;
};

#define WebPageModule_iid "shopowner.WebPageModule/1"
Q_DECLARE_INTERFACE(WebPageModule, WebPageModule_iid)
