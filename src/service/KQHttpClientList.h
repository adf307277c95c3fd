#pragma once

#include "service/KQHttpClient.h"
#include "service/KQProject.h"
#include "service/KQRequest.h"
#include "service/ServiceError.h"

#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

class QImage;

// The reply callback of every catalogue operation. Exactly one of the two is non-null, and both
// point to values that live only during the call:
//   reply - the whole envelope of a reply whose "status" is "success" ("data" included);
//   error - a transport failure, after the toast "请检查网络连接" was shown.
// A failure envelope (any other "status") is shown as an error toast with its "message" and
// never reaches the callback; the returned KQRequest's finished() tells that it is over.
using ReplyBlock = std::function<void(const QJsonObject* reply, const ServiceError* error)>;

// The reply callback of a request site that acts only on success: handler runs with the reply
// and nothing runs on a failure. Both kinds of failure have already been shown to the owner when
// the callback would run; a screen that must act on the end of a request whatever its outcome
// (a list stopping its indicators) connects KQRequest::finished() instead.
ReplyBlock onReply(std::function<void(const QJsonObject& reply)> handler);

// The endpoint catalogue: one operation per endpoint of the service. Each builds a fresh form
// from its input, posts it to the service base address plus the endpoint path, checks the
// envelope and calls back. Bag fields named plainly are sent as their value or the empty text;
// fields read "as set" are sent only when set.
class KQHttpClientList {
public:
    // Posts params to url and applies the envelope check; block may be empty.
    static KQRequest* baseRequestWithURL(const QString& url, const KQParams& params,
                                         ReplyBlock block);
    // The service base address followed by path.
    static QString urlFor(const QString& path);

    static KQRequest* request_Login(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_GetSecurityCode(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_CheckSecurityCode(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_LogoutBlock(ReplyBlock block);
    static KQRequest* request_HomepageBlock(ReplyBlock block);
    static KQRequest* request_SystemMsgBlock(ReplyBlock block);
    // The logo as JPEG (quality 0.1) in a multipart post; no overlay.
    static KQRequest* request_UploadLogoWith(const QImage& image, ReplyBlock block);
    // The shop profile record: its name goes as "shop_name".
    template <class ShopModel>
    static KQRequest* request_UpdateMsgWith(const ShopModel& shop, ReplyBlock block) {
        return baseRequestWithURL(urlFor("system/update.do"),
                                  {{"shop_name", text(shop.name)},
                                   {"contacts", text(shop.contacts)},
                                   {"email", text(shop.email)},
                                   {"province_id", text(shop.province_id)},
                                   {"city_id", text(shop.city_id)},
                                   {"county", text(shop.county)},
                                   {"detail_address", text(shop.detail_address)}},
                                  std::move(block));
    }
    static KQRequest* request_UpdateSubdomainWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_addressListBlock(ReplyBlock block);
    // An address record; its two flags go as "true" or "false".
    template <class AddressModel>
    static KQRequest* request_saveAddressWith(const AddressModel& address, ReplyBlock block) {
        return baseRequestWithURL(urlFor("address/save.do"),
                                  {{"address_id", text(address.address_id)},
                                   {"name", text(address.name)},
                                   {"province_id", text(address.province_id)},
                                   {"province_name", text(address.province_name)},
                                   {"city_id", text(address.city_id)},
                                   {"city_name", text(address.city_name)},
                                   {"county", text(address.county)},
                                   {"postcode", text(address.postcode)},
                                   {"telephone", text(address.telephone)},
                                   {"detail_address", text(address.detail_address)},
                                   {"default_receive", flag(address.default_receive)},
                                   {"default_send", flag(address.default_send)}},
                                  std::move(block));
    }
    static KQRequest* request_deleteAddressWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_OrderListWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_OrderDetailWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_CloseOrderWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_CommentListWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_CommentReplyWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_SendGoodWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_ExpressListWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* request_paypalAccountWith(ReplyBlock block);
    static KQRequest* request_blindPaypalAccountWith(ReplyBlock block);
    static KQRequest* request_deleteBlindPaypalAccountWith(const KQProject& bag, ReplyBlock block);
    static KQRequest* getGoodsGroupWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getGoodsListWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* deleteGoodsListWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* synchronousFacebookWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* soldOutGoodsWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* shelvesGoodsWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getmoneyManagerBlock(ReplyBlock block);
    static KQRequest* getTradingRecordListWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getMessageListWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getMessageViewWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getLogisticsMassagerWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getStatPageviewListWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getStatOrderListWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getStatRevenueListWithProject(const KQProject& bag, ReplyBlock block);
    static KQRequest* getGoodsCatrListBlock(ReplyBlock block);

    // The password reset of the recovery screen, outside the catalogue: "forgot/resetPassword.do"
    // with the fixed captcha, no overlay, no cookie re-install, no envelope check and no toast.
    // reply: any JSON object with a 2xx status and a JSON content type, whatever its "status";
    // error: anything else.
    static KQRequest* request_ResetPassword(const QString& mobile, const QString& security_code,
                                            const QString& password, ReplyBlock block);

    // Form texts of record members: text as it stands, numbers as decimal text, unset as "".
    static QString text(const QString& value) { return value; }
    static QString text(const std::optional<QString>& value) { return value.value_or(QString()); }
    static QString text(int value) { return QString::number(value); }
    static QString text(qint64 value) { return QString::number(value); }
    static QString text(double value);
    static QString flag(bool value) { return value ? "true" : "false"; }
    static QString flag(const std::optional<bool>& value) { return flag(value.value_or(false)); }
};
