#include "platform/CountDownButton.h"

#include "platform/Clock.h"

#include <QFontMetrics>
#include <cmath>

namespace {
constexpr int kTickMs = 1000;
constexpr int kSmallestPoints = 8;
constexpr int kTitlePadding = 4;
} // namespace

CountDownButton::CountDownButton(const QString& title, QWidget* parent)
    : QPushButton(parent), timer_(new Timer(this)), title_(title), finishedTitle_(title),
      normalColor_(palette().color(QPalette::ButtonText)), countingColor_(Qt::gray) {
    setFlat(true);
    connect(timer_, &Timer::timeout, this, &CountDownButton::tick);
    showTitle(title_);
    applyColor(normalColor_);
}

void CountDownButton::setTitleColors(const QColor& normal, const QColor& counting) {
    normalColor_ = normal;
    countingColor_ = counting;
    applyColor(isCounting() ? countingColor_ : normalColor_);
}

void CountDownButton::setTitlePointSize(int points) {
    pointSize_ = points;
    fitTitle();
}

void CountDownButton::start(int seconds) {
    seconds_ = seconds;
    startedMs_ = Clock::steadyMs();
    setEnabled(false);
    applyColor(countingColor_);
    timer_->start(kTickMs, true);
}

void CountDownButton::finish() {
    timer_->stop();
    showTitle(finishedTitle_);
    applyColor(normalColor_);
    setEnabled(true);
}

bool CountDownButton::isCounting() const {
    return timer_->isActive();
}

void CountDownButton::tick() {
    const double elapsedSeconds = double(Clock::steadyMs() - startedMs_) / kTickMs;
    const long left = std::lround(seconds_ - elapsedSeconds);
    if (left < 0) {
        finish();
        return;
    }
    showTitle(QString::number(left));
}

void CountDownButton::showTitle(const QString& title) {
    setText(title);
    // A bare number means nothing on its own to someone who cannot see the field beside it.
    setAccessibleName(title == title_ || title == finishedTitle_ ? title : title_ + u' ' + title);
    fitTitle();
}

void CountDownButton::applyColor(const QColor& color) {
    shownColor_ = color;
    setStyleSheet(QStringLiteral("QPushButton { color: rgb(%1,%2,%3); border: none;"
                                 " background: transparent; }")
                      .arg(color.red())
                      .arg(color.green())
                      .arg(color.blue()));
}

void CountDownButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    fitTitle();
}

void CountDownButton::fitTitle() {
    QFont shrunk = font();
    int points = pointSize_;
    shrunk.setPixelSize(points);
    const int room = width() - 2 * kTitlePadding;
    while (points > kSmallestPoints && QFontMetrics(shrunk).horizontalAdvance(text()) > room) {
        shrunk.setPixelSize(--points);
    }
    setFont(shrunk);
}
