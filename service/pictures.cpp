#include "pictures.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 240;

QColor hueColor(int number, int offset, int saturation, int value) {
    return QColor::fromHsv((number * 47 + offset) % 360, saturation, value);
}

void drawGoods(QPainter& painter, int number) {
    QLinearGradient background(0, 0, kSize, kSize);
    background.setColorAt(0, hueColor(number, 0, 60, 250));
    background.setColorAt(1, hueColor(number, 30, 110, 235));
    painter.fillRect(0, 0, kSize, kSize, background);
    painter.setPen(Qt::NoPen);
    painter.setBrush(hueColor(number, 180, 170, 210));
    switch (number % 3) {
    case 0:
        painter.drawEllipse(QPointF(kSize / 2.0, kSize / 2.0), 70, 70);
        break;
    case 1:
        painter.drawRoundedRect(QRectF(55, 55, 130, 130), 24, 24);
        break;
    default: {
        QPainterPath triangle;
        triangle.moveTo(kSize / 2.0, 45);
        triangle.lineTo(195, 190);
        triangle.lineTo(45, 190);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    }
    }
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(80 + (number % 5) * 20, 80), 18, 18);
}

void drawLogo(QPainter& painter, int number) {
    painter.fillRect(0, 0, kSize, kSize, QColor(249, 81, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(60, 95, 120, 90), 10, 10);
    painter.setBrush(hueColor(number, 10, 200, 240));
    painter.drawRect(QRectF(60, 95, 120, 22));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(90, 55, 60, 70), 0, 180 * 16);
}

void drawAvatar(QPainter& painter, int number) {
    painter.fillRect(0, 0, kSize, kSize, hueColor(number, 90, 80, 240));
    painter.setPen(Qt::NoPen);
    painter.setBrush(hueColor(number, 250, 120, 170));
    painter.drawEllipse(QPointF(kSize / 2.0, 95), 45, 45);
    painter.drawEllipse(QPointF(kSize / 2.0, 230), 85, 75);
}

} // namespace

QByteArray drawPicture(const QString& kind, int number) {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (kind == "goods") {
            drawGoods(painter, number);
        } else if (kind == "logo") {
            drawLogo(painter, number);
        } else if (kind == "avatar") {
            drawAvatar(painter, number);
        } else {
            return {};
        }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}
