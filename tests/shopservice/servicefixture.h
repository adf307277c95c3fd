#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHttpMultiPart>
#include <QJsonArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <memory>

// The real shop-service program, started on a free port with its data in a folder.
class ServiceProcess {
public:
    ~ServiceProcess();
    bool start(const QString& dataDir, const QStringList& options = {});
    void stop();
    QString baseUrl() const { return m_baseUrl; }
    // Everything the service printed on standard output so far.
    QString output();
    // The next security code printed for mobile after the ones already taken, waiting until
    // it is printed (empty if it never is).
    QString nextCode(const QString& mobile);

private:
    std::unique_ptr<QProcess> m_process;
    QString m_baseUrl;
    QString m_output;
    qsizetype m_codesRead = 0;
};

struct ServiceReply {
    int httpStatus = 0;
    QJsonObject envelope;
    QByteArray body;
    bool transportError = false;

    bool ok() const { return envelope.value("status").toString() == "success"; }
    QString message() const { return envelope.value("message").toString(); }
    QJsonValue data() const { return envelope.value("data"); }
};

// A client with its own cookie jar, talking real HTTP to the service.
class ServiceClient {
public:
    explicit ServiceClient(QString baseUrl);

    ServiceReply post(const QString& path, const QList<QPair<QString, QString>>& fields = {});
    ServiceReply postRaw(const QString& path, const QByteArray& body,
                         const QByteArray& contentType = "application/x-www-form-urlencoded");
    ServiceReply postMultipart(const QString& path, QHttpMultiPart* parts);
    ServiceReply get(const QString& urlOrPath);
    bool signIn(const QString& password = "shop1234", const QString& mobile = "13800138000");
    QNetworkAccessManager& network() { return m_network; }
    QString url(const QString& path) const;

    static ServiceReply wait(QNetworkReply* reply);

private:
    QString m_baseUrl;
    QNetworkAccessManager m_network;
};

QByteArray formBody(const QList<QPair<QString, QString>>& fields);

using Fields = QList<QPair<QString, QString>>;

// The service on a fresh demo folder, and a client that talks to it.
class ShopServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_service.start(m_dir.path()));
        m_client = std::make_unique<ServiceClient>(m_service.baseUrl());
    }

    void restart(const QStringList& options = {}) {
        m_service.stop();
        ASSERT_TRUE(m_service.start(m_dir.path(), options));
        m_client = std::make_unique<ServiceClient>(m_service.baseUrl());
    }

    QJsonObject order(const QString& orderId) {
        const ServiceReply reply = m_client->post("order/get.do", {{"order_id", orderId}});
        EXPECT_TRUE(reply.ok()) << reply.message().toStdString();
        return reply.data().toObject();
    }

    QJsonArray list(const QString& path, const Fields& fields) {
        const ServiceReply reply = m_client->post(path, fields);
        EXPECT_TRUE(reply.ok()) << path.toStdString() << ": " << reply.message().toStdString();
        return reply.data().toObject().value("list").toArray();
    }

    QTemporaryDir m_dir;
    ServiceProcess m_service;
    std::unique_ptr<ServiceClient> m_client;
};

// The first day of a statistics period of so many days, today included, as the app sends it.
inline QString statStart(int days) {
    return QDate::currentDate().addDays(-(days - 1)).toString("yyyy-MM-dd");
}

inline QString nowText() {
    return QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss");
}
