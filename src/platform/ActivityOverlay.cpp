#include "platform/ActivityOverlay.h"

#include "platform/Clock.h"
#include "platform/PhoneWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
constexpr int spokes = 12;

class SpinnerView : public QWidget {
public:
    SpinnerView() {
        setObjectName(QStringLiteral("activityOverlay"));
        setAccessibleName(QStringLiteral("加载中"));
        QObject::connect(&timer_, &Timer::timeout, this, [this] {
            step_ = (step_ + 1) % spokes;
            update();
        });
    }

    void start(PhoneWindow* window) {
        window->addOverlay(this, PhoneWindow::Layer::Activity);
        show();
        timer_.start(80, true);
    }
    void stop() {
        timer_.stop();
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(width() / 2.0 - 40, height() / 2.0 - 40, 80, 80);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 180));
        p.drawRoundedRect(box, 10, 10);
        p.translate(box.center());
        for (int i = 0; i < spokes; ++i) {
            const int age = (step_ - i + spokes) % spokes;
            p.setPen(QPen(QColor(255, 255, 255, 255 - age * 18), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -10), QPointF(0, -18));
            p.rotate(360.0 / spokes);
        }
    }
    // A press, release or wheel anywhere over the window ends here.
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
    void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
    void wheelEvent(QWheelEvent* e) override { e->accept(); }

private:
    Timer timer_;
    int step_ = 0;
};

struct State {
    bool shown = false;
    QPointer<SpinnerView> view;
};

State& state() {
    static State s;
    return s;
}
} // namespace

void ActivityOverlay::show() {
    State& s = state();
    s.shown = true;
    PhoneWindow* window = PhoneWindow::current();
    if (!window) {
        return;
    }
    if (!s.view || s.view->parentWidget() != window) {
        delete s.view;
        s.view = new SpinnerView;
    }
    s.view->start(window);
}

void ActivityOverlay::hide() {
    State& s = state();
    s.shown = false;
    if (s.view) {
        s.view->stop();
    }
}

bool ActivityOverlay::isShown() {
    return state().shown;
}
