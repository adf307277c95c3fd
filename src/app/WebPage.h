#pragma once

#include <QString>

class KQSBaesVC;

// Opens web pages inside the app (the shop preview, a payment provider's authorisation page).
// The web page screen lives in a module of its own, loaded when the first page opens, so that
// start-up does not pay for the browser engine; any feature may open a page through here.
namespace WebPage {

// A web page screen titled `titleName` that has started loading `urlStr`, for the caller to push.
// nullptr when the web module cannot be loaded: the owner has been told so by an error toast.
KQSBaesVC* create(const QString& urlStr, const QString& titleName);

// The file the web module is loaded from: $SHOP_WEB_MODULE when set, otherwise the module in the
// program's library folder (the same place in the build tree and in an installed tree).
QString modulePath();

// What the owner is told when the web module is missing or broken.
inline const QString kModuleMissingMessage = QStringLiteral("网页组件缺失，无法打开网页");

} // namespace WebPage
