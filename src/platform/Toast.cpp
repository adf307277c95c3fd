#include "platform/Toast.h"

#include "platform/Clock.h"
#include "platform/PhoneWindow.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>
#include <list>

namespace {
constexpr int maxTextWidth = 240;
constexpr int gap = 8;

struct Entry {
    QString text;
    QPointer<QWidget> view;
    Timer* timer = nullptr;
};

std::list<Entry>& entries() {
    static std::list<Entry> list;
    return list;
}

QPixmap kindIcon(Toast::Kind kind, qreal dpr) {
    const int side = 28;
    QPixmap pixmap(QSize(side, side) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawEllipse(QRectF(1, 1, side - 2, side - 2));
    if (kind == Toast::Kind::Success) {
        p.drawPolyline(QPolygonF({{8, 14.5}, {12.5, 19}, {20.5, 10}}));
    } else {
        p.drawLine(QPointF(10, 10), QPointF(18, 18));
        p.drawLine(QPointF(18, 10), QPointF(10, 18));
    }
    return pixmap;
}

QWidget* makeView(Toast::Kind kind, const QString& text, PhoneWindow* window) {
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("toast"));
    view->setAttribute(Qt::WA_StyledBackground);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setStyleSheet(
        QStringLiteral("#toast { background: rgba(0, 0, 0, 200); border-radius: 8px; }"
                       "QLabel { color: white; font-size: 14px; }"));
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);
    if (kind != Toast::Kind::Message) {
        auto* icon = new QLabel(view);
        icon->setPixmap(kindIcon(kind, window->devicePixelRatioF()));
        icon->setAlignment(Qt::AlignCenter);
        layout->addWidget(icon);
    }
    auto* label = new QLabel(text, view);
    // Service messages are shown as they stand, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QStringLiteral("toastText"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->ensurePolished();
    // A wrapping label would otherwise settle on a narrow column of a few characters.
    const QRect textBox = label->fontMetrics().boundingRect(QRect(0, 0, maxTextWidth, 10'000),
                                                            Qt::TextWordWrap, text);
    label->setFixedWidth(textBox.width() + 2);
    layout->addWidget(label);
    view->setAccessibleName(text);
    window->addOverlay(view, PhoneWindow::Layer::Toast);
    view->adjustSize();
    view->show();
    return view;
}

// Toasts stand in a column centred in their window, oldest at the top.
void layOut() {
    QHash<QWidget*, QList<QWidget*>> byWindow;
    for (const Entry& e : entries()) {
        if (e.view) {
            byWindow[e.view->parentWidget()].append(e.view);
        }
    }
    for (auto it = byWindow.cbegin(); it != byWindow.cend(); ++it) {
        int total = -gap;
        for (QWidget* v : it.value()) {
            total += v->height() + gap;
        }
        int y = (it.key()->height() - total) / 2;
        for (QWidget* v : it.value()) {
            v->move((it.key()->width() - v->width()) / 2, y);
            y += v->height() + gap;
        }
    }
}

void expire(Timer* timer) {
    auto& list = entries();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->timer == timer) {
            if (it->view) {
                it->view->hide();
                it->view->deleteLater();
            }
            list.erase(it);
            break;
        }
    }
    timer->deleteLater();
    layOut();
}
} // namespace

void Toast::show(Kind kind, const QString& text) {
    Entry entry;
    entry.text = text;
    if (PhoneWindow* window = PhoneWindow::current()) {
        entry.view = makeView(kind, text, window);
    }
    entry.timer = new Timer;
    Timer* timer = entry.timer;
    QObject::connect(timer, &Timer::timeout, timer, [timer] { expire(timer); });
    entries().push_back(entry);
    timer->start(durationMs, false);
    layOut();
}

QStringList Toast::visibleTexts() {
    QStringList texts;
    for (const Entry& e : entries()) {
        texts.append(e.text);
    }
    return texts;
}
