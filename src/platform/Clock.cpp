#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <vector>

class ClockState {
public:
    static ClockState& get() {
        static ClockState state;
        return state;
    }

    bool testing = false;
    qint64 testNowMs = 0;
    quint64 nextSequence = 0;
    std::vector<Timer*> active;

    void add(Timer* t) {
        if (std::find(active.begin(), active.end(), t) == active.end()) {
            active.push_back(t);
        }
    }
    void remove(Timer* t) { std::erase(active, t); }

    // Every active timer is re-armed on the clock now in force, keeping its remaining time.
    void switchClocks(bool toTest, qint64 startMs) {
        std::vector<std::pair<Timer*, qint64>> remaining;
        for (Timer* t : active) {
            remaining.emplace_back(t, t->remainingMs());
        }
        for (auto& [t, ms] : remaining) {
            t->disarm();
        }
        testing = toTest;
        testNowMs = startMs;
        for (auto& [t, ms] : remaining) {
            t->arm(ms);
        }
    }

    void runUntil(qint64 untilMs) {
        while (Timer* t = nextDue(untilMs)) {
            testNowMs = std::max(testNowMs, t->dueMs_);
            t->fire();
        }
        testNowMs = untilMs;
    }

    Timer* nextDue(qint64 untilMs) const {
        Timer* next = nullptr;
        for (Timer* t : active) {
            if (t->dueMs_ > untilMs) {
                continue;
            }
            if (!next || t->dueMs_ < next->dueMs_ ||
                (t->dueMs_ == next->dueMs_ && t->sequence_ < next->sequence_)) {
                next = t;
            }
        }
        return next;
    }
};

QDateTime Clock::now() {
    return QDateTime::fromMSecsSinceEpoch(nowMs());
}

qint64 Clock::nowMs() {
    auto& s = ClockState::get();
    return s.testing ? s.testNowMs : QDateTime::currentMSecsSinceEpoch();
}

qint64 Clock::steadyMs() {
    auto& s = ClockState::get();
    if (s.testing) {
        return s.testNowMs;
    }
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

void Clock::useTestClock(const QDateTime& start) {
    ClockState::get().switchClocks(true, start.toMSecsSinceEpoch());
}

void Clock::advance(qint64 ms) {
    auto& s = ClockState::get();
    if (!s.testing || ms < 0) {
        return;
    }
    s.runUntil(s.testNowMs + ms);
}

void Clock::useRealClock() {
    ClockState::get().switchClocks(false, 0);
}

bool Clock::isTestClock() {
    return ClockState::get().testing;
}

Timer::Timer(QObject* parent) : QObject(parent) {}

Timer::~Timer() {
    ClockState::get().remove(this);
}

void Timer::start(int intervalMs, bool repeating) {
    stop();
    intervalMs_ = std::max(0, intervalMs);
    repeating_ = repeating;
    active_ = true;
    ClockState::get().add(this);
    arm(intervalMs_);
}

void Timer::stop() {
    disarm();
    active_ = false;
    ClockState::get().remove(this);
}

bool Timer::isActive() const {
    return active_;
}

void Timer::singleShot(int ms, QObject* context, std::function<void()> fn) {
    auto* timer = new Timer(context);
    connect(timer, &Timer::timeout, timer, [timer, fn = std::move(fn)] {
        timer->deleteLater();
        fn();
    });
    timer->start(ms, false);
}

void Timer::arm(qint64 delayMs) {
    auto& s = ClockState::get();
    if (s.testing) {
        dueMs_ = s.testNowMs + std::max<qint64>(0, delayMs);
        sequence_ = s.nextSequence++;
        return;
    }
    if (!realTimer_) {
        realTimer_ = new QTimer(this);
        realTimer_->setTimerType(Qt::PreciseTimer);
        connect(realTimer_, &QTimer::timeout, this, &Timer::fire);
    }
    realTimer_->setSingleShot(true);
    realTimer_->start(static_cast<int>(std::max<qint64>(0, delayMs)));
}

void Timer::disarm() {
    if (realTimer_) {
        realTimer_->stop();
    }
}

qint64 Timer::remainingMs() const {
    if (ClockState::get().testing) {
        return std::max<qint64>(0, dueMs_ - ClockState::get().testNowMs);
    }
    return realTimer_ && realTimer_->isActive() ? realTimer_->remainingTime() : intervalMs_;
}

void Timer::fire() {
    if (!active_) {
        return;
    }
    if (repeating_) {
        arm(intervalMs_ > 0 ? intervalMs_ : 1);
    } else {
        stop();
    }
    emit timeout();
}
