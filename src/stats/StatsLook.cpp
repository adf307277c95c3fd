#include "stats/StatsLook.h"

#include <QLabel>

namespace {
constexpr int kCaptionBand = 12;
constexpr int kCaptionHeight = 16;
} // namespace

QWidget* StatsLook::block(QWidget* parent, const QColor& colour) {
    auto* view = new QWidget(parent);
    view->setAutoFillBackground(true);
    QPalette p = view->palette();
    p.setColor(QPalette::Window, colour);
    view->setPalette(p);
    return view;
}

void StatsLook::placeCaption(QLabel* caption, int x, int top, int width) {
    caption->setGeometry(x, top - (kCaptionHeight - kCaptionBand) / 2, width, kCaptionHeight);
}
