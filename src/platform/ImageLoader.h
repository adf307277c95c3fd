#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches pictures by URL, decodes them once and keeps them in a memory cache bounded
// in bytes. Many wants of the same URL at the same time share one request.
class ImageLoader : public QObject {
    Q_OBJECT
public:
    using Ticket = quint64;
    using Done = std::function<void(const QImage&)>;
    static constexpr qint64 DefaultCacheBytes = 48 * 1024 * 1024;
    static constexpr qint64 MaximumBodyBytes = 16 * 1024 * 1024;

    // Without a network access manager the loader makes its own.
    explicit ImageLoader(QNetworkAccessManager* network = nullptr,
                         qint64 cacheBytes = DefaultCacheBytes, QObject* parent = nullptr);
    ~ImageLoader() override;

    // The process's loader; it lives as long as the application object.
    static ImageLoader* shared();
    // Not owned; lets the loader share the process's network access.
    void setNetworkAccessManager(QNetworkAccessManager* network);

    // Calls done with the picture, or with a null image when the URL is empty or broken,
    // the answer is not 2xx or its body is no picture. A cached picture, or a URL that can
    // never load, is answered at once and the result is 0; otherwise done runs later, unless
    // the context is gone or the returned ticket was cancelled. Without a context, done
    // always runs.
    Ticket load(const QUrl& url, QObject* context, Done done);
    void cancel(Ticket ticket);

    QImage cachedImage(const QUrl& url) const;
    qint64 cacheLimitBytes() const { return m_cache.maxCost(); }
    void setCacheLimitBytes(qint64 bytes);
    qint64 cachedBytes() const { return m_cache.totalCost(); }
    void clearMemoryCache();
    int requestsInFlight() const { return int(m_pending.size()); }

private:
    struct Want {
        Ticket ticket;
        QPointer<QObject> context;
        bool bound;
        Done done;
    };
    struct Pending {
        QNetworkReply* reply = nullptr;
        QList<Want> wants;
    };

    QNetworkAccessManager* network();
    void startRequest(const QUrl& url);
    void finish(const QUrl& url, QNetworkReply* reply);
    static QImage decode(QNetworkReply* reply);

    QPointer<QNetworkAccessManager> m_network;
    QNetworkAccessManager* m_ownNetwork = nullptr;
    QCache<QUrl, QImage> m_cache;
    QHash<QUrl, Pending> m_pending;
    Ticket m_nextTicket = 1;
};
