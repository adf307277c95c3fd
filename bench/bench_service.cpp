// Mapping throughput of order replies into records, and the request layer's round trip against
// a bare QNetworkAccessManager post of the same body to the same loopback peer.
// Prints "name: value unit" lines.
#include "platform/Documents.h"
#include "service/KQHttpClientList.h"
#include "service/KQProject.h"
#include "service/Record.h"
#include "service/SecureFile.h"
#include "service/ServiceConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The order records as the order screens declare them.
struct Coupon {
    QString name;
    double over = 0, money = 0;
    static const RecordFields<Coupon>& fields() {
        static const RecordFields<Coupon> t{
            {"name", &Coupon::name}, {"over", &Coupon::over}, {"money", &Coupon::money}};
        return t;
    }
};

struct Item {
    QString item_id, spec_key, name, img;
    double price = 0, original_price = 0, change_price = 0;
    int quantity = 0;
    double discount_amount = 0, amount = 0;
    Coupon coupon;
    QString rights_id, rights_status;
    static const RecordFields<Item>& fields() {
        static const RecordFields<Item> t{{"item_id", &Item::item_id},
                                          {"spec_key", &Item::spec_key},
                                          {"name", &Item::name},
                                          {"img", &Item::img},
                                          {"price", &Item::price},
                                          {"original_price", &Item::original_price},
                                          {"change_price", &Item::change_price},
                                          {"quantity", &Item::quantity},
                                          {"discount_amount", &Item::discount_amount},
                                          {"amount", &Item::amount},
                                          {"coupon", &Item::coupon},
                                          {"rights_id", &Item::rights_id},
                                          {"rights_status", &Item::rights_status}};
        return t;
    }
};

struct Buyer {
    QString uid, nickname;
    static const RecordFields<Buyer>& fields() {
        static const RecordFields<Buyer> t{{"uid", &Buyer::uid}, {"nickname", &Buyer::nickname}};
        return t;
    }
};

struct Address {
    QString address_id, name, country_id, country_name, province_name, city, postcode, telephone,
        detail_address, detail_address2, default_address;
    static const RecordFields<Address>& fields() {
        static const RecordFields<Address> t{{"address_id", &Address::address_id},
                                             {"name", &Address::name},
                                             {"country_id", &Address::country_id},
                                             {"country_name", &Address::country_name},
                                             {"province_name", &Address::province_name},
                                             {"city", &Address::city},
                                             {"postcode", &Address::postcode},
                                             {"telephone", &Address::telephone},
                                             {"detail_address", &Address::detail_address},
                                             {"detail_address2", &Address::detail_address2},
                                             {"default_address", &Address::default_address}};
        return t;
    }
};

struct Waybill {
    QString waybill_id, waybill_number, posttime;
    double cost = 0;
    QString company_id, company_name, content;
    static const RecordFields<Waybill>& fields() {
        static const RecordFields<Waybill> t{
            {"waybill_id", &Waybill::waybill_id}, {"waybill_number", &Waybill::waybill_number},
            {"posttime", &Waybill::posttime},     {"cost", &Waybill::cost},
            {"company_id", &Waybill::company_id}, {"company_name", &Waybill::company_name},
            {"content", &Waybill::content}};
        return t;
    }
};

struct StatusEntry {
    QString status, posttime, expiry_time;
    int duration = 0;
    QString operator_, reason;
    double refund_amount = 0;
    QString message, comment_id;
    static const RecordFields<StatusEntry>& fields() {
        static const RecordFields<StatusEntry> t{{"status", &StatusEntry::status},
                                                 {"posttime", &StatusEntry::posttime},
                                                 {"expiry_time", &StatusEntry::expiry_time},
                                                 {"duration", &StatusEntry::duration},
                                                 {"operator", &StatusEntry::operator_},
                                                 {"reason", &StatusEntry::reason},
                                                 {"refund_amount", &StatusEntry::refund_amount},
                                                 {"message", &StatusEntry::message},
                                                 {"comment_id", &StatusEntry::comment_id}};
        return t;
    }
};

struct Order {
    QString order_id;
    QList<Item> item_list;
    double total_cost = 0, original_cost = 0, amount = 0;
    QString status, rights_status, source, posttime;
    Address address;
    Buyer buyer;
    double original_amount = 0;
    QString message;
    QList<StatusEntry> status_list;
    Waybill waybill;
    static const RecordFields<Order>& fields() {
        static const RecordFields<Order> t{{"order_id", &Order::order_id},
                                           {"item_list", &Order::item_list},
                                           {"total_cost", &Order::total_cost},
                                           {"original_cost", &Order::original_cost},
                                           {"amount", &Order::amount},
                                           {"status", &Order::status},
                                           {"rights_status", &Order::rights_status},
                                           {"source", &Order::source},
                                           {"posttime", &Order::posttime},
                                           {"address", &Order::address},
                                           {"buyer", &Order::buyer},
                                           {"original_amount", &Order::original_amount},
                                           {"message", &Order::message},
                                           {"status_list", &Order::status_list},
                                           {"waybill", &Order::waybill}};
        return t;
    }
};

QJsonObject sampleOrder(int n) {
    const QString id = QString::number(2016051800000 + n);
    QJsonArray items;
    for (int i = 0; i < 2; ++i) {
        items.append(
            QJsonObject{{"item_id", QString::number(90000 + i)},
                        {"spec_key", "颜色=红色,尺码=XL"},
                        {"name", "夏季新款纯棉短袖T恤 男女同款"},
                        {"img", "https://img.shop.example/item/9000" + QString::number(i) + ".jpg"},
                        {"price", 12.5 + i},
                        {"original_price", "15.00"},
                        {"change_price", 0},
                        {"quantity", 1 + i},
                        {"discount_amount", 0.5},
                        {"amount", 12},
                        {"coupon", QJsonObject{{"name", "满10减1"}, {"over", 10}, {"money", 1}}},
                        {"rights_id", QJsonValue::Null},
                        {"rights_status", ""}});
    }
    QJsonArray history;
    for (const char* status : {"payment", "payment-done", "deliver"}) {
        history.append(QJsonObject{{"status", status},
                                   {"posttime", "1463533200000"},
                                   {"expiry_time", "1463619600000"},
                                   {"duration", 86400},
                                   {"operator", "system"},
                                   {"reason", ""},
                                   {"refund_amount", 0},
                                   {"message", ""},
                                   {"comment_id", ""}});
    }
    return QJsonObject{{"order_id", id},
                       {"item_list", items},
                       {"total_cost", 0},
                       {"original_cost", 25},
                       {"amount", 37.5},
                       {"status", "deliver"},
                       {"rights_status", ""},
                       {"source", "facebook"},
                       {"posttime", "1463533200000"},
                       {"address", QJsonObject{{"address_id", "a1"},
                                               {"name", "John Smith"},
                                               {"country_id", "US"},
                                               {"country_name", "United States"},
                                               {"province_name", "California"},
                                               {"city", "San Jose"},
                                               {"postcode", "95110"},
                                               {"telephone", "+1 408 555 0100"},
                                               {"detail_address", "100 Market Street"},
                                               {"detail_address2", "Suite 5"},
                                               {"default_address", 1}}},
                       {"buyer", QJsonObject{{"uid", "u77"}, {"nickname", "john"}}},
                       {"original_amount", 40},
                       {"message", "请尽快发货，谢谢！"},
                       {"status_list", history},
                       {"waybill", QJsonObject{{"waybill_id", "w1"},
                                               {"waybill_number", "LP00012345678"},
                                               {"posttime", "1463619600000"},
                                               {"cost", 3.2},
                                               {"company_id", "c1"},
                                               {"company_name", "USPS"},
                                               {"content", "Departed from facility"}}},
                       {"unused_key", "ignored"}};
}

QByteArray orderListReply(qsizetype targetBytes, int minimumOrders) {
    QJsonArray list;
    qsizetype size = 0;
    const qsizetype perOrder = QJsonDocument(sampleOrder(0)).toJson(QJsonDocument::Compact).size();
    for (int n = 0; n < minimumOrders || size < targetBytes; ++n) {
        list.append(sampleOrder(n));
        size += perOrder;
    }
    const QJsonObject envelope{{"status", "success"},
                               {"data", QJsonObject{{"list", list}, {"total", list.size()}}}};
    return QJsonDocument(envelope).toJson(QJsonDocument::Compact);
}

QList<Order> mapOrders(const QByteArray& reply) {
    const QJsonObject envelope = QJsonDocument::fromJson(reply).object();
    return RecordMapper::listFromJson<Order>(envelope.value("data").toObject().value("list"));
}

void print(const char* name, double value, const char* unit) {
    std::printf("%s: %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

// Runs work repeatedly in rounds of about 100 ms for two seconds; the median round's MB/s of
// reply text, so that a busy machine's spikes do not decide the figure.
double medianRate(qsizetype bytesPerRun, const std::function<void()>& work) {
    std::vector<double> rates;
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < 2000) {
        QElapsedTimer round;
        round.start();
        qint64 bytes = 0;
        while (round.elapsed() < 100) {
            work();
            bytes += bytesPerRun;
        }
        rates.push_back(bytes / (round.nsecsElapsed() / 1e9) / 1e6);
    }
    std::sort(rates.begin(), rates.end());
    return rates[rates.size() / 2];
}

void benchMapping(const QByteArray& reply, int expectedOrders, const char* parseAndMap,
                  const char* mapOnly, const char* parseOnly) {
    if (mapOrders(reply).size() != expectedOrders) {
        std::fprintf(stderr, "mapping lost orders\n");
        std::exit(1);
    }
    const QJsonValue list =
        QJsonDocument::fromJson(reply).object().value("data").toObject().value("list");
    qsizetype sink = 0;
    print(parseAndMap, medianRate(reply.size(), [&] { sink += mapOrders(reply).size(); }), "MB/s");
    print(mapOnly,
          medianRate(reply.size(), [&] { sink += RecordMapper::listFromJson<Order>(list).size(); }),
          "MB/s");
    print(parseOnly,
          medianRate(reply.size(), [&] { sink += QJsonDocument::fromJson(reply).isObject(); }),
          "MB/s");
    if (sink == 0) {
        std::exit(1);
    }
}

// A keep-alive HTTP peer on 127.0.0.1 that answers every request with one JSON reply.
class LoopbackPeer : public QObject {
public:
    explicit LoopbackPeer(const QByteArray& body) {
        reply_ = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body;
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        server_.listen(QHostAddress::LocalHost, 0);
    }
    QString url() const { return QString("http://127.0.0.1:%1/").arg(server_.serverPort()); }

private:
    void serve(QTcpSocket* socket) {
        QByteArray& buffer = buffers_[socket];
        buffer += socket->readAll();
        for (;;) {
            const qsizetype end = buffer.indexOf("\r\n\r\n");
            if (end < 0) {
                return;
            }
            const qsizetype lengthAt = buffer.toLower().indexOf("content-length:");
            const qsizetype length =
                lengthAt < 0 || lengthAt > end
                    ? 0
                    : buffer.mid(lengthAt + 15, buffer.indexOf("\r\n", lengthAt) - lengthAt - 15)
                          .trimmed()
                          .toLongLong();
            if (buffer.size() < end + 4 + length) {
                return;
            }
            buffer.remove(0, end + 4 + length);
            socket->write(reply_);
        }
    }

    QTcpServer server_;
    QByteArray reply_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

qint64 roundTrip(const std::function<void(std::function<void()>)>& start) {
    QEventLoop loop;
    QElapsedTimer timer;
    timer.start();
    start([&loop] { loop.quit(); });
    loop.exec();
    return timer.nsecsElapsed();
}

double median(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void benchOverhead() {
    const QByteArray page = orderListReply(0, 10);
    LoopbackPeer peer(page);
    ServiceConfig::setServiceUrl(peer.url());
    const auto fillBag = []() -> KQProject& {
        KQProject& bag = KQProject::project();
        bag.status = "waitSend";
        bag.start = 0;
        bag.size = 10;
        return bag;
    };
    KQProject& sample = fillBag();
    const KQParams params{{"payment_start_time", ""},
                          {"payment_end_time", ""},
                          {"order_start_time", ""},
                          {"order_end_time", ""},
                          {"status", *sample.status},
                          {"item_name", ""},
                          {"order_id", ""},
                          {"name", ""},
                          {"telephone", ""},
                          {"start", "0"},
                          {"size", "10"}};
    const QByteArray body = KQHttpClient::encodeForm(params);
    QNetworkAccessManager bare;
    const QUrl url(KQHttpClientList::urlFor("order/list.do"));

    const auto catalogueCall = [&](std::function<void()> done) {
        KQRequest* request = KQHttpClientList::request_OrderListWith(
            fillBag(), [](const QJsonObject* reply, const ServiceError*) {
                if (!reply) {
                    std::exit(2);
                }
            });
        QObject::connect(request, &KQRequest::finished, done);
    };
    const auto bareCall = [&](std::function<void()> done) {
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        QNetworkReply* reply = bare.post(request, body);
        QObject::connect(reply, &QNetworkReply::finished, [reply, done] {
            QJsonDocument::fromJson(reply->readAll());
            reply->deleteLater();
            done();
        });
    };
    for (int i = 0; i < 50; ++i) {
        roundTrip(catalogueCall);
        roundTrip(bareCall);
    }
    std::vector<qint64> catalogue, plain;
    for (int i = 0; i < 500; ++i) {
        catalogue.push_back(roundTrip(catalogueCall));
        plain.push_back(roundTrip(bareCall));
    }
    print("catalogue_round_trip_median", median(catalogue) / 1000.0, "us");
    print("bare_post_round_trip_median", median(plain) / 1000.0, "us");
    print("overhead_ratio", median(catalogue) / median(plain), "x");
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The cookie keeper's console lines would drown the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir documents;
    Documents::redirectTo(documents.path());
    // Signed in: one saved cookie is re-installed before every catalogue post.
    SecureFile::write(Documents::filePath("cookie.data"),
                      R"({"cookies":["sid=abc; domain=127.0.0.1; path=/"]})");

    const QByteArray page = orderListReply(0, 10);
    const QByteArray megabyte = orderListReply(1024 * 1024, 1);
    const int megabyteOrders = static_cast<int>(mapOrders(megabyte).size());
    print("page10_reply_size", page.size() / 1024.0, "KiB");
    print("list_reply_size", megabyte.size() / 1024.0, "KiB");
    benchMapping(page, 10, "mapping_page10", "mapping_page10_from_parsed_json",
                 "json_parse_page10");
    benchMapping(megabyte, megabyteOrders, "mapping_1mb_list", "mapping_1mb_list_from_parsed_json",
                 "json_parse_1mb_list");
    benchOverhead();
    return 0;
}
