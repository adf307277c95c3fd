#include "store.h"

#include <QSqlError>
#include <QTextStream>
#include <QUuid>

namespace {

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS shops (shop_id INTEGER PRIMARY KEY, mobile TEXT UNIQUE NOT NULL,"
    " password_hash TEXT NOT NULL, salt TEXT NOT NULL, name TEXT, contacts TEXT, logo TEXT,"
    " province_id TEXT, city_id TEXT, county TEXT, detail_address TEXT, email TEXT,"
    " subdomain TEXT)",
    "CREATE TABLE IF NOT EXISTS sessions (token TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " created INTEGER NOT NULL)",
    // Codes are short-lived; the older table without the time of issue is simply replaced.
    "DROP TABLE IF EXISTS security_codes",
    "CREATE TABLE IF NOT EXISTS recovery_codes (mobile TEXT PRIMARY KEY, code TEXT NOT NULL,"
    " issued INTEGER NOT NULL, expires INTEGER NOT NULL, attempts INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS paypal_tokens (token TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " expires INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS paypal_bindings (shop_id INTEGER PRIMARY KEY,"
    " channel_id TEXT NOT NULL, channel_name TEXT NOT NULL, account TEXT NOT NULL,"
    " posttime INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS orders (order_id TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " status TEXT NOT NULL, rights_status TEXT, source TEXT, posttime INTEGER NOT NULL,"
    " payment_time INTEGER, total_cost REAL, original_cost REAL, amount REAL,"
    " original_amount REAL, message TEXT, buyer_uid TEXT, buyer_nickname TEXT,"
    " receiver_name TEXT, receiver_telephone TEXT, address_json TEXT)",
    "CREATE TABLE IF NOT EXISTS order_items (order_id TEXT NOT NULL, pos INTEGER NOT NULL,"
    " item_id TEXT, name TEXT, img TEXT, spec_key TEXT, price REAL, original_price REAL,"
    " quantity INTEGER, discount_amount REAL, amount REAL, coupon_json TEXT,"
    " PRIMARY KEY (order_id, pos))",
    "CREATE TABLE IF NOT EXISTS order_history (order_id TEXT NOT NULL, pos INTEGER NOT NULL,"
    " status TEXT NOT NULL, posttime INTEGER NOT NULL, expiry_time INTEGER, operator TEXT,"
    " reason TEXT, refund_amount REAL, PRIMARY KEY (order_id, pos))",
    "CREATE TABLE IF NOT EXISTS express (company_id TEXT PRIMARY KEY, name TEXT NOT NULL,"
    " pos INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS waybills (waybill_id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " order_id TEXT NOT NULL, company_id TEXT NOT NULL, number TEXT NOT NULL,"
    " posttime INTEGER NOT NULL, cost REAL)",
    "CREATE TABLE IF NOT EXISTS waybill_steps (waybill_id INTEGER NOT NULL, time INTEGER NOT NULL,"
    " content TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS categories (category_id TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " parent_id TEXT, name TEXT NOT NULL, posttime INTEGER NOT NULL, pos INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS items (item_id TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " name TEXT NOT NULL, img TEXT, price REAL, inventory INTEGER, sale_count INTEGER,"
    " lmodify INTEGER, posttime INTEGER, published INTEGER NOT NULL, to_facebook INTEGER"
    " NOT NULL, gourp TEXT, deleted INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS item_categories (item_id TEXT NOT NULL, category_id TEXT NOT NULL,"
    " pos INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS comments (comment_id TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " order_id TEXT NOT NULL, item_pos INTEGER NOT NULL, content TEXT, score INTEGER,"
    " posttime INTEGER, buyer_uid TEXT, buyer_nickname TEXT, reply_id TEXT, reply_content TEXT,"
    " reply_time INTEGER)",
    "CREATE TABLE IF NOT EXISTS trades (trade_id TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " order_id TEXT, trader TEXT, posttime INTEGER, type TEXT, source TEXT, amount REAL,"
    " withhold REAL, payment_charge REAL, platform_charge REAL, commission REAL, point INTEGER,"
    " point_amount REAL, income REAL, paypal TEXT)",
    "CREATE TABLE IF NOT EXISTS messages (message_id TEXT PRIMARY KEY, shop_id INTEGER NOT NULL,"
    " content TEXT, viewed INTEGER NOT NULL, url TEXT, posttime INTEGER, type TEXT,"
    " order_id TEXT)",
    "CREATE TABLE IF NOT EXISTS addresses (address_id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " shop_id INTEGER NOT NULL, name TEXT, province_id TEXT, province_name TEXT, city_id TEXT,"
    " city_name TEXT, county TEXT, postcode TEXT, telephone TEXT, detail_address TEXT,"
    " default_receive INTEGER NOT NULL, default_send INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS stat_days (shop_id INTEGER NOT NULL, postdate INTEGER NOT NULL,"
    " user_count INTEGER, pageview INTEGER, total_order_count INTEGER,"
    " trade_order_count INTEGER, send_order_count INTEGER, refund_order_count INTEGER,"
    " amount REAL, PRIMARY KEY (shop_id, postdate))",
};

void report(const QString& what, const QSqlError& error) {
    QTextStream(stderr) << "store: " << what << ": " << error.text() << Qt::endl;
}

} // namespace

Store::~Store() {
    if (!m_connection.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool Store::open(const QString& fileName, QString* error) {
    m_connection = QUuid::createUuid().toString();
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_connection);
    db.setDatabaseName(fileName);
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    run("PRAGMA foreign_keys = ON");
    run("PRAGMA journal_mode = WAL");
    if (!createTables()) {
        *error = QStringLiteral("cannot create the tables");
        return false;
    }
    return true;
}

bool Store::createTables() {
    for (const char* statement : kSchema) {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        if (!query.exec(QString::fromLatin1(statement))) {
            report(QString::fromLatin1(statement), query.lastError());
            return false;
        }
    }
    return true;
}

bool Store::isEmpty() {
    return scalar("SELECT COUNT(*) FROM shops").toLongLong() == 0;
}

QSqlQuery Store::run(const QString& sql, const QVariantList& values) {
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        report(sql, query.lastError());
        m_failed = true;
        return query;
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        report(sql, query.lastError());
        m_failed = true;
    }
    return query;
}

QVariant Store::scalar(const QString& sql, const QVariantList& values) {
    QSqlQuery query = run(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

qint64 Store::insert(const QString& sql, const QVariantList& values) {
    return run(sql, values).lastInsertId().toLongLong();
}

bool Store::begin() {
    m_failed = false;
    return QSqlDatabase::database(m_connection).transaction();
}

bool Store::commit() {
    return QSqlDatabase::database(m_connection).commit();
}

void Store::rollback() {
    QSqlDatabase::database(m_connection).rollback();
}
