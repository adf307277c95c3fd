#include "platform/ImagePicker.h"

#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QStandardPaths>

ImagePicker::ImagePicker(QWidget* presenter) : QObject(presenter), presenter_(presenter) {}

namespace {
QString& deviceFolder() {
    static QString folder = QStringLiteral("/dev");
    return folder;
}
} // namespace

bool ImagePicker::cameraAvailable() {
    const QDir devices(deviceFolder());
    return !devices.entryList({QStringLiteral("video*")}, QDir::System | QDir::Files).isEmpty();
}

void ImagePicker::setDeviceFolder(const QString& folder) {
    deviceFolder() = folder.isEmpty() ? QStringLiteral("/dev") : folder;
}

void ImagePicker::present() {
    if (source_ == Source::Camera && !cameraAvailable()) {
        emit cancelled();
        return;
    }
    // The desktop's camera apps leave their pictures in the pictures folder; the album and
    // the camera both pick from files here.
    chooser_ = new QFileDialog(presenter_ ? presenter_->window() : nullptr);
    chooser_->setObjectName(QStringLiteral("imagePicker"));
    chooser_->setOption(QFileDialog::DontUseNativeDialog);
    chooser_->setFileMode(QFileDialog::ExistingFile);
    chooser_->setNameFilter(QStringLiteral("图片 (*.png *.jpg *.jpeg *.bmp *.gif *.webp)"));
    chooser_->setDirectory(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    chooser_->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser_, &QFileDialog::fileSelected, this, &ImagePicker::choose);
    connect(chooser_, &QFileDialog::rejected, this, &ImagePicker::cancelled);
    chooser_->open();
}

void ImagePicker::choose(const QString& file) {
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        emit failed(file);
        return;
    }
    emit picked(allowsEditing_ ? centredSquare(image) : image);
}

QImage ImagePicker::centredSquare(const QImage& image) {
    const int side = qMin(image.width(), image.height());
    return image.copy((image.width() - side) / 2, (image.height() - side) / 2, side, side);
}
