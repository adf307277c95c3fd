#pragma once

#include <QImage>
#include <QObject>
#include <QFileDialog>
#include <QPointer>

class QWidget;

// Picks a picture from the photo album (a file chooser on the desktop) or the camera. With
// editing allowed the picture is cropped to the centred square, as the phone's editor does.
class ImagePicker : public QObject {
    Q_OBJECT
public:
    enum class Source { PhotoLibrary, Camera };

    explicit ImagePicker(QWidget* presenter);

    void setSourceType(Source source) { source_ = source; }
    Source sourceType() const { return source_; }
    void setAllowsEditing(bool allows) { allowsEditing_ = allows; }
    bool allowsEditing() const { return allowsEditing_; }

    // Shows the chooser without blocking; the outcome arrives as picked() or cancelled().
    void present();
    QFileDialog* chooser() const { return chooser_; }

    // Whether this machine has a camera (a video device in the device folder, "/dev" unless
    // set otherwise) to take pictures with.
    static bool cameraAvailable();
    static void setDeviceFolder(const QString& folder);

signals:
    void picked(const QImage& image);
    void cancelled();
    // The chosen file is not a picture this program can read.
    void failed(const QString& file);

private:
    void choose(const QString& file);
    static QImage centredSquare(const QImage& image);

    QWidget* presenter_;
    Source source_ = Source::PhotoLibrary;
    bool allowsEditing_ = false;
    QPointer<QFileDialog> chooser_;
};
