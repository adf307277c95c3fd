#include "ui/MXLabel.h"

#include "platform/Clock.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

MXLabel::MXLabel(QWidget* parent) : MXLabel(QString(), parent) {}

MXLabel::MXLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), pressTimer_(new Timer(this)) {
    setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(pressTimer_, &Timer::timeout, this, [this] { showCopyMenu(mapToGlobal(pressPos_)); });
}

void MXLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->position().toPoint();
        pressTimer_->start(kLongPressMs, false);
    }
    QLabel::mousePressEvent(event);
}

void MXLabel::mouseReleaseEvent(QMouseEvent* event) {
    pressTimer_->stop();
    QLabel::mouseReleaseEvent(event);
}

void MXLabel::contextMenuEvent(QContextMenuEvent* event) {
    showCopyMenu(event->globalPos());
}

void MXLabel::showCopyMenu(const QPoint& globalPos) {
    pressTimer_->stop();
    if (menu_) {
        menu_->close();
    }
    menu_ = new QMenu(this);
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    menu_->addAction(QStringLiteral("复制"), this, &MXLabel::copyText);
    menu_->popup(globalPos);
}

void MXLabel::copyText() {
    QGuiApplication::clipboard()->setText(text());
}
