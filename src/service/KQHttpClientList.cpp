#include "service/KQHttpClientList.h"

#include "platform/Clock.h"
#include "platform/Toast.h"
#include "service/Record.h"
#include "service/ServiceConfig.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace {

// Builds one endpoint's form fields in the order they are sent.
class Form {
public:
    Form& orEmpty(const char* key, const std::optional<QString>& value) {
        params_.append({key, value.value_or(QString())});
        return *this;
    }
    Form& orEmpty(const char* key, const std::optional<int>& value) {
        params_.append({key, value ? QString::number(*value) : QString()});
        return *this;
    }
    Form& asSet(const char* key, const std::optional<QString>& value) {
        if (value) {
            params_.append({key, *value});
        }
        return *this;
    }
    Form& asSet(const char* key, const std::optional<int>& value) {
        if (value) {
            params_.append({key, QString::number(*value)});
        }
        return *this;
    }
    Form& fixed(const char* key, const QString& value) {
        params_.append({key, value});
        return *this;
    }
    const KQParams& params() const { return params_; }

private:
    KQParams params_;
};

KQRequest* post(const char* path, const Form& form, ReplyBlock block) {
    return KQHttpClientList::baseRequestWithURL(KQHttpClientList::urlFor(path), form.params(),
                                                std::move(block));
}

// The envelope check: only "success" (exactly) reaches the callback; any other envelope is
// shown as its message.
KQHttpClient::Success checkEnvelope(ReplyBlock block) {
    return [block = std::move(block)](const QJsonObject& reply) {
        if (reply.value("status") == QJsonValue("success")) {
            if (block) {
                block(&reply, nullptr);
            }
            return;
        }
        QString message;
        RecordValue::read(reply.value("message"), message);
        Toast::showError(message);
    };
}

KQHttpClient::Failure passFailure(ReplyBlock block) {
    return [block = std::move(block)](const ServiceError& error) {
        if (block) {
            block(nullptr, &error);
        }
    };
}

QByteArray logoJpeg(const QImage& image) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(10);
    if (image.isNull() || !writer.write(image)) {
        return {};
    }
    return jpeg;
}

} // namespace

ReplyBlock onReply(std::function<void(const QJsonObject& reply)> handler) {
    return [handler = std::move(handler)](const QJsonObject* reply, const ServiceError*) {
        if (reply && handler) {
            handler(*reply);
        }
    };
}

QString KQHttpClientList::urlFor(const QString& path) {
    return ServiceConfig::serviceUrl() + path;
}

QString KQHttpClientList::text(double value) {
    return RecordValue::numberText(value);
}

KQRequest* KQHttpClientList::baseRequestWithURL(const QString& url, const KQParams& params,
                                                ReplyBlock block) {
    return KQHttpClient::postWithURL(url, params, checkEnvelope(block), passFailure(block));
}

KQRequest* KQHttpClientList::request_Login(const KQProject& bag, ReplyBlock block) {
    return post("login.do",
                Form()
                    .orEmpty("mobile", bag.mobile)
                    .orEmpty("password", bag.password)
                    .fixed("need_captcha", "false")
                    .fixed("return_token", "1")
                    .fixed("remember", "1"),
                std::move(block));
}

KQRequest* KQHttpClientList::request_GetSecurityCode(const KQProject& bag, ReplyBlock block) {
    return post("forgot/getSecurityCode.do", Form().orEmpty("mobile", bag.mobile),
                std::move(block));
}

KQRequest* KQHttpClientList::request_CheckSecurityCode(const KQProject& bag, ReplyBlock block) {
    return post("forgot/checkSecurityCode.do",
                Form()
                    .orEmpty("mobile", bag.mobile)
                    .orEmpty("security_code", bag.security_code)
                    .fixed("need_captcha", "false"),
                std::move(block));
}

KQRequest* KQHttpClientList::request_LogoutBlock(ReplyBlock block) {
    return post("logout.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::request_HomepageBlock(ReplyBlock block) {
    return post("homepage/get.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::request_SystemMsgBlock(ReplyBlock block) {
    return post("system/get.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::request_UploadLogoWith(const QImage& image, ReplyBlock block) {
    const QString filename = Clock::now().toString("yyyyMMddHHmmss") + ".jpg";
    const FormData logo{logoJpeg(image), "picture", filename, "image/jpg"};
    if (logo.data.isEmpty()) {
        qWarning("the logo could not be encoded as JPEG; nothing sent");
        Toast::showError(QStringLiteral("图片无法读取"));
        return KQHttpClient::refuse({ServiceError::Kind::BadInput, 0, "image does not encode"},
                                    passFailure(block));
    }
    return KQHttpClient::postWithURL(urlFor("system/uploadLogo.do"), {}, {logo},
                                     checkEnvelope(block), passFailure(block));
}

KQRequest* KQHttpClientList::request_UpdateSubdomainWith(const KQProject& bag, ReplyBlock block) {
    return post("system/updateSubdomain.do", Form().orEmpty("subdomain", bag.subdomain),
                std::move(block));
}

KQRequest* KQHttpClientList::request_addressListBlock(ReplyBlock block) {
    return post("address/list.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::request_deleteAddressWith(const KQProject& bag, ReplyBlock block) {
    return post("address/delete.do", Form().orEmpty("address_id", bag.address_id),
                std::move(block));
}

KQRequest* KQHttpClientList::request_OrderListWith(const KQProject& bag, ReplyBlock block) {
    return post("order/list.do",
                Form()
                    .orEmpty("payment_start_time", bag.payment_start_time)
                    .orEmpty("payment_end_time", bag.payment_end_time)
                    .orEmpty("order_start_time", bag.order_start_time)
                    .orEmpty("order_end_time", bag.order_end_time)
                    .orEmpty("status", bag.status)
                    .orEmpty("item_name", bag.item_name)
                    .orEmpty("order_id", bag.order_id)
                    .orEmpty("name", bag.name)
                    .orEmpty("telephone", bag.telephone)
                    .asSet("start", bag.start)
                    .asSet("size", bag.size),
                std::move(block));
}

KQRequest* KQHttpClientList::request_OrderDetailWith(const KQProject& bag, ReplyBlock block) {
    return post("order/get.do", Form().orEmpty("order_id", bag.order_id), std::move(block));
}

KQRequest* KQHttpClientList::request_CloseOrderWith(const KQProject& bag, ReplyBlock block) {
    return post("order/close.do",
                Form().orEmpty("order_id", bag.order_id).orEmpty("reason", bag.reason),
                std::move(block));
}

KQRequest* KQHttpClientList::request_CommentListWith(const KQProject& bag, ReplyBlock block) {
    return post("comment/list.do",
                Form()
                    .orEmpty("start_time", bag.start_time)
                    .orEmpty("end_time", bag.end_time)
                    .orEmpty("replied", bag.replied)
                    .orEmpty("item_name", bag.item_name)
                    .orEmpty("order_id", bag.order_id)
                    .asSet("start", bag.start)
                    .asSet("size", bag.size),
                std::move(block));
}

KQRequest* KQHttpClientList::request_CommentReplyWith(const KQProject& bag, ReplyBlock block) {
    return post("comment/reply.do",
                Form().orEmpty("comment_id", bag.comment_id).orEmpty("content", bag.content),
                std::move(block));
}

KQRequest* KQHttpClientList::request_SendGoodWith(const KQProject& bag, ReplyBlock block) {
    return post("waybill/send.do",
                Form()
                    .orEmpty("order_id", bag.order_id)
                    .orEmpty("company_id", bag.company_id)
                    .orEmpty("waybill_number", bag.waybill_number),
                std::move(block));
}

KQRequest* KQHttpClientList::request_ExpressListWith(const KQProject& bag, ReplyBlock block) {
    return post("express/list.do", Form().asSet("start", bag.start).asSet("size", bag.size),
                std::move(block));
}

KQRequest* KQHttpClientList::request_paypalAccountWith(ReplyBlock block) {
    return post("payaccount/binding/list.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::request_blindPaypalAccountWith(ReplyBlock block) {
    return post("paychannel/paypal/outh/outhUrlForApp.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::request_deleteBlindPaypalAccountWith(const KQProject& bag,
                                                                  ReplyBlock block) {
    return post("payaccount/binding/delete.do", Form().orEmpty("channel", bag.channel_id),
                std::move(block));
}

KQRequest* KQHttpClientList::getGoodsGroupWithProject(const KQProject& bag, ReplyBlock block) {
    return post("item/category/list.do", Form().asSet("start", bag.start).asSet("size", bag.size),
                std::move(block));
}

KQRequest* KQHttpClientList::getGoodsListWithProject(const KQProject& bag, ReplyBlock block) {
    return post("item/list.do",
                Form()
                    .asSet("category_id", bag.category_id)
                    .asSet("item_name", bag.item_name)
                    .asSet("start_time", bag.start_time)
                    .asSet("end_time", bag.end_time)
                    .asSet("status", bag.status)
                    .asSet("orderby", bag.orderby)
                    .asSet("start", bag.start)
                    .asSet("size", bag.size),
                std::move(block));
}

KQRequest* KQHttpClientList::deleteGoodsListWithProject(const KQProject& bag, ReplyBlock block) {
    return post("item/delete.do", Form().asSet("item_id", bag.item_id), std::move(block));
}

KQRequest* KQHttpClientList::synchronousFacebookWithProject(const KQProject& bag,
                                                            ReplyBlock block) {
    return post("item/rsync/add.do", Form().asSet("item_id", bag.item_id), std::move(block));
}

KQRequest* KQHttpClientList::soldOutGoodsWithProject(const KQProject& bag, ReplyBlock block) {
    return post("item/stop.do", Form().asSet("item_id", bag.item_id), std::move(block));
}

KQRequest* KQHttpClientList::shelvesGoodsWithProject(const KQProject& bag, ReplyBlock block) {
    return post("item/start.do", Form().asSet("item_id", bag.item_id), std::move(block));
}

KQRequest* KQHttpClientList::getmoneyManagerBlock(ReplyBlock block) {
    return post("money/get.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::getTradingRecordListWithProject(const KQProject& bag,
                                                             ReplyBlock block) {
    return post("money/list.do",
                Form()
                    .asSet("start_time", bag.start_time)
                    .asSet("end_time", bag.end_time)
                    .asSet("item_name", bag.item_name)
                    .asSet("order_id", bag.order_id)
                    .asSet("start", bag.start)
                    .asSet("size", bag.size),
                std::move(block));
}

KQRequest* KQHttpClientList::getMessageListWithProject(const KQProject& bag, ReplyBlock block) {
    return post("message/list.do",
                Form()
                    .fixed("disable_auto_view", "1")
                    .fixed("start", QString::number(bag.start.value_or(0)))
                    .fixed("size", QString::number(bag.size.value_or(10))),
                std::move(block));
}

KQRequest* KQHttpClientList::getMessageViewWithProject(const KQProject& bag, ReplyBlock block) {
    return post("message/view.do", Form().orEmpty("message_id", bag.message_id), std::move(block));
}

KQRequest* KQHttpClientList::getLogisticsMassagerWithProject(const KQProject& bag,
                                                             ReplyBlock block) {
    return post("waybill/get.do", Form().orEmpty("order_id", bag.order_id), std::move(block));
}

namespace {

Form statFilter(const KQProject& bag) {
    Form form;
    form.asSet("start_time", bag.start_time)
        .asSet("end_time", bag.end_time)
        .asSet("source", bag.source);
    return form;
}

} // namespace

KQRequest* KQHttpClientList::getStatPageviewListWithProject(const KQProject& bag,
                                                            ReplyBlock block) {
    return post("stat/pageview/list.do", statFilter(bag), std::move(block));
}

KQRequest* KQHttpClientList::getStatOrderListWithProject(const KQProject& bag, ReplyBlock block) {
    return post("stat/order/list.do", statFilter(bag), std::move(block));
}

KQRequest* KQHttpClientList::getStatRevenueListWithProject(const KQProject& bag, ReplyBlock block) {
    return post("stat/revenue/list.do", statFilter(bag), std::move(block));
}

KQRequest* KQHttpClientList::getGoodsCatrListBlock(ReplyBlock block) {
    return post("item/category/group.do", Form(), std::move(block));
}

KQRequest* KQHttpClientList::request_ResetPassword(const QString& mobile,
                                                   const QString& security_code,
                                                   const QString& password, ReplyBlock block) {
    static const QStringList jsonTypes{"application/json", "text/json", "text/javascript"};
    const KQParams params{{"mobile", mobile},
                          {"security_code", security_code},
                          {"captcha", "8075"},
                          {"password", password}};
    return KQHttpClient::postQuietly(
        urlFor("forgot/resetPassword.do"), params, jsonTypes,
        [block](const QJsonObject& reply) {
            if (block) {
                block(&reply, nullptr);
            }
        },
        passFailure(block));
}
