#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// The SQLite store. Every statement is prepared and takes its values as bound
// parameters; no text from a request is ever spliced into SQL.
class Store {
public:
    ~Store();

    // Opens (creating when needed) the database file and its tables.
    bool open(const QString& fileName, QString* error);
    bool isEmpty();

    QSqlQuery run(const QString& sql, const QVariantList& values = {});
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    qint64 insert(const QString& sql, const QVariantList& values = {});

    bool begin();
    bool commit();
    void rollback();
    bool failed() const { return m_failed; }

private:
    bool createTables();

    QString m_connection;
    bool m_failed = false;
};

// Runs a group of statements as one transaction; rolls back unless commit() ran.
class StoreTransaction {
public:
    explicit StoreTransaction(Store& store) : m_store(store) { m_open = m_store.begin(); }
    ~StoreTransaction() {
        if (m_open) {
            m_store.rollback();
        }
    }
    bool commit() {
        const bool ok = m_open && !m_store.failed() && m_store.commit();
        m_open = false;
        return ok;
    }

private:
    Store& m_store;
    bool m_open = false;
};
