#pragma once

#include "platform/ImageLoader.h"

#include <QLabel>
#include <QPixmap>
#include <QUrl>

// A picture in a frame, scaled as the content mode says. It can show a remote picture:
// the placeholder stays until the picture for the URL it was last given arrives, so a
// row reused for another URL never shows the earlier one's picture.
class ImageView : public QLabel {
    Q_OBJECT
public:
    enum class ContentMode { ScaleToFill, AspectFit, AspectFill, Center };

    explicit ImageView(QWidget* parent = nullptr);
    ~ImageView() override;

    void setImage(const QPixmap& image);
    QPixmap image() const { return m_image; }
    void setContentMode(ContentMode mode);
    ContentMode contentMode() const { return m_mode; }
    // Draws the picture inside the largest circle the frame holds (a round avatar or logo).
    void setCircular(bool circular);
    bool isCircular() const { return m_circular; }

    void setImageUrl(const QUrl& url, const QPixmap& placeholder,
                     ImageLoader* loader = ImageLoader::shared());
    QUrl imageUrl() const { return m_url; }
    bool showsPlaceholder() const { return m_showsPlaceholder; }

signals:
    void imageLoaded(const QUrl& url);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void display(const QPixmap& image, bool placeholder);
    void cancelLoad();

    QPixmap m_image;
    ContentMode m_mode = ContentMode::ScaleToFill;
    bool m_circular = false;
    QUrl m_url;
    bool m_showsPlaceholder = false;
    QPointer<ImageLoader> m_loader;
    ImageLoader::Ticket m_ticket = 0;
};
