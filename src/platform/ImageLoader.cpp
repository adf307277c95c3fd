#include "platform/ImageLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <limits>

namespace {
constexpr int transferTimeoutMs = 15000;

qint64 costOf(const QImage& image) {
    return std::max<qint64>(1, image.sizeInBytes());
}
} // namespace

ImageLoader::ImageLoader(QNetworkAccessManager* network, qint64 cacheBytes, QObject* parent)
    : QObject(parent), m_network(network) {
    setCacheLimitBytes(cacheBytes);
}

ImageLoader::~ImageLoader() {
    for (const Pending& pending : std::as_const(m_pending)) {
        pending.reply->disconnect(this);
        pending.reply->abort();
        pending.reply->deleteLater();
    }
}

ImageLoader* ImageLoader::shared() {
    static QPointer<ImageLoader> instance;
    if (!instance) {
        instance = new ImageLoader(nullptr, DefaultCacheBytes, QCoreApplication::instance());
    }
    return instance;
}

void ImageLoader::setNetworkAccessManager(QNetworkAccessManager* network) {
    m_network = network;
}

QNetworkAccessManager* ImageLoader::network() {
    if (m_network) {
        return m_network;
    }
    if (!m_ownNetwork) {
        m_ownNetwork = new QNetworkAccessManager(this);
    }
    return m_ownNetwork;
}

ImageLoader::Ticket ImageLoader::load(const QUrl& url, QObject* context, Done done) {
    if (const QImage* cached = m_cache.object(url)) {
        done(*cached);
        return 0;
    }
    if (!url.isValid() || url.isRelative()) {
        done(QImage());
        return 0;
    }
    const Ticket ticket = m_nextTicket++;
    const bool asked = m_pending.contains(url);
    m_pending[url].wants.append(Want{ticket, context, context != nullptr, std::move(done)});
    if (!asked) {
        startRequest(url);
    }
    return ticket;
}

void ImageLoader::cancel(Ticket ticket) {
    if (ticket == 0) {
        return;
    }
    for (Pending& pending : m_pending) {
        if (pending.wants.removeIf([ticket](const Want& want) { return want.ticket == ticket; })) {
            return;
        }
    }
}

QImage ImageLoader::cachedImage(const QUrl& url) const {
    const QImage* cached = m_cache.object(url);
    return cached ? *cached : QImage();
}

void ImageLoader::setCacheLimitBytes(qint64 bytes) {
    m_cache.setMaxCost(std::clamp<qint64>(bytes, 0, std::numeric_limits<int>::max()));
}

void ImageLoader::clearMemoryCache() {
    m_cache.clear();
}

void ImageLoader::startRequest(const QUrl& url) {
    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply* reply = network()->get(request);
    m_pending[url].reply = reply;
    // A body far larger than any picture is refused rather than held in memory.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > MaximumBodyBytes) {
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, url, reply] { finish(url, reply); });
}

void ImageLoader::finish(const QUrl& url, QNetworkReply* reply) {
    reply->deleteLater();
    auto pending = m_pending.find(url);
    if (pending == m_pending.end() || pending->reply != reply) {
        return;
    }
    const QList<Want> wants = std::move(pending->wants);
    m_pending.erase(pending);

    const QImage image = decode(reply);
    if (!image.isNull()) {
        m_cache.insert(url, new QImage(image), costOf(image));
    }
    for (const Want& want : wants) {
        if (want.context || !want.bound) {
            want.done(image);
        }
    }
}

QImage ImageLoader::decode(QNetworkReply* reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        return {};
    }
    const QByteArray body = reply->readAll();
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read();
}
