#include "platform/ImageView.h"

#include <QPainter>
#include <QPainterPath>

ImageView::ImageView(QWidget* parent) : QLabel(parent) {}

ImageView::~ImageView() {
    cancelLoad();
}

void ImageView::setImage(const QPixmap& image) {
    cancelLoad();
    m_url = QUrl();
    display(image, false);
}

void ImageView::setContentMode(ContentMode mode) {
    m_mode = mode;
    update();
}

void ImageView::setCircular(bool circular) {
    m_circular = circular;
    update();
}

void ImageView::setImageUrl(const QUrl& url, const QPixmap& placeholder, ImageLoader* loader) {
    cancelLoad();
    m_url = url;
    display(placeholder, true);
    if (url.isEmpty() || !loader) {
        return;
    }
    m_loader = loader;
    m_ticket = loader->load(url, this, [this, url](const QImage& picture) {
        if (url != m_url) {
            return;
        }
        m_ticket = 0;
        if (!picture.isNull()) {
            display(QPixmap::fromImage(picture), false);
            emit imageLoaded(url);
        }
    });
}

void ImageView::display(const QPixmap& image, bool placeholder) {
    m_image = image;
    m_showsPlaceholder = placeholder;
    // Keeps the label's own picture in step, which is what assistive technology reads.
    setPixmap(image);
    update();
}

void ImageView::cancelLoad() {
    if (m_loader && m_ticket != 0) {
        m_loader->cancel(m_ticket);
    }
    m_ticket = 0;
}

void ImageView::paintEvent(QPaintEvent*) {
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF source = m_image.deviceIndependentSize();
    QSizeF size = rect().size();
    switch (m_mode) {
    case ContentMode::ScaleToFill:
        break;
    case ContentMode::AspectFit:
        size = source.scaled(size, Qt::KeepAspectRatio);
        break;
    case ContentMode::AspectFill:
        size = source.scaled(size, Qt::KeepAspectRatioByExpanding);
        break;
    case ContentMode::Center:
        size = source;
        break;
    }
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(QRectF(rect()).center());
    if (m_circular) {
        painter.setRenderHint(QPainter::Antialiasing);
        const int side = qMin(width(), height());
        QRect circle(0, 0, side, side);
        circle.moveCenter(rect().center());
        QPainterPath clip;
        clip.addEllipse(circle);
        painter.setClipPath(clip);
    } else {
        painter.setClipRect(rect());
    }
    painter.drawPixmap(target, m_image, QRectF(QPointF(0, 0), m_image.size()));
}
