#include "platform/PhoneWindow.h"

#include "platform/Keyboard.h"
#include "platform/Lifecycle.h"

#include <QCoreApplication>
#include <QImageWriter>
#include <QList>
#include <QWindow>

namespace {
const char* const layerProperty = "phoneLayer";

QList<PhoneWindow*>& windows() {
    static QList<PhoneWindow*> list;
    return list;
}

bool coversWindow(const QWidget* w) {
    const int layer = w->property(layerProperty).toInt();
    return layer == int(PhoneWindow::Layer::Modal) || layer == int(PhoneWindow::Layer::Activity);
}
} // namespace

PhoneWindow::PhoneWindow(QSize size, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("phoneWindow"));
    setWindowTitle(QCoreApplication::applicationName());
    setFixedSize(size);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    windows().append(this);
    Keyboard::instance();
}

PhoneWindow::~PhoneWindow() {
    windows().removeAll(this);
}

PhoneWindow* PhoneWindow::current() {
    return windows().isEmpty() ? nullptr : windows().last();
}

void PhoneWindow::setRoot(QWidget* root) {
    if (root == root_) {
        return;
    }
    if (QWidget* old = root_) {
        Lifecycle::willDisappear(old);
        old->hide();
        old->deleteLater();
    }
    root_ = root;
    if (root_) {
        root_->setParent(this);
        root_->setGeometry(rect());
        Lifecycle::willAppear(root_);
        root_->show();
        restack();
    }
    emit rootChanged(root_);
}

void PhoneWindow::addOverlay(QWidget* w, Layer layer) {
    if (w->parentWidget() != this) {
        w->setParent(this);
    }
    w->setProperty(layerProperty, int(layer));
    if (coversWindow(w)) {
        w->setGeometry(rect());
    }
    restack();
}

bool PhoneWindow::saveScreenshot(const QString& file, QString& error) {
    QImageWriter writer(file, "png");
    if (!writer.write(grab().toImage())) {
        error = QStringLiteral("cannot write %1: %2").arg(file, writer.errorString());
        return false;
    }
    return true;
}

void PhoneWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!painted_ && windowHandle()) {
        windowHandle()->installEventFilter(this);
    }
}

// The window paints its whole content while it handles its first expose; an opaque root may
// leave nothing for this widget's own paintEvent, so the expose is the reliable moment.
bool PhoneWindow::eventFilter(QObject* watched, QEvent* event) {
    QWindow* window = windowHandle();
    if (!painted_ && watched == window && event->type() == QEvent::Expose && window->isExposed()) {
        painted_ = true;
        window->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &PhoneWindow::firstFramePainted, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void PhoneWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (root_) {
        root_->setGeometry(rect());
    }
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (coversWindow(child)) {
            child->setGeometry(rect());
        }
    }
}

void PhoneWindow::restack() {
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (Layer layer : {Layer::Panel, Layer::Modal, Layer::Activity, Layer::Toast}) {
        for (QWidget* child : children) {
            if (child->property(layerProperty).toInt() == int(layer)) {
                child->raise();
            }
        }
    }
}
