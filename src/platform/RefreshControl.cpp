#include "platform/RefreshControl.h"

#include "platform/TableView.h"

#include <QLabel>
#include <QPainter>
#include <QVariantAnimation>

namespace {
const QColor textColor(156, 162, 162);
constexpr int spinnerSize = 18;
constexpr int spinnerGap = 10;

QString textFor(RefreshControl::Kind kind, RefreshControl::State state) {
    const bool header = kind == RefreshControl::Kind::Header;
    switch (state) {
    case RefreshControl::State::ReadyToRelease:
        return header ? "松开立即刷新" : "松开加载更多";
    case RefreshControl::State::Pending:
    case RefreshControl::State::Refreshing:
        return header ? "正在刷新…" : "正在加载…";
    case RefreshControl::State::Idle:
    case RefreshControl::State::Pulling:
        break;
    }
    return header ? "下拉刷新" : "上拉加载更多";
}
} // namespace

RefreshControl::RefreshControl(Kind kind, std::function<void()> onRefresh, TableView* table)
    : QWidget(table->viewport()), m_table(table), m_kind(kind), m_onRefresh(std::move(onRefresh)),
      m_label(new QLabel(this)), m_spin(new QVariantAnimation(this)) {
    setObjectName(kind == Kind::Header ? "refreshHeader" : "loadMoreFooter");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setObjectName(kind == Kind::Header ? "refreshHeaderLabel" : "loadMoreFooterLabel");
    m_label->setAlignment(Qt::AlignCenter);
    QFont font = m_label->font();
    font.setPixelSize(13);
    m_label->setFont(font);
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, textColor);
    m_label->setPalette(palette);
    m_label->setText(textFor(kind, m_state));

    m_spin->setStartValue(0.0);
    m_spin->setEndValue(360.0);
    m_spin->setDuration(800);
    m_spin->setLoopCount(-1);
    connect(m_spin, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_angle = value.toReal();
        update();
    });
    hide();
}

bool RefreshControl::isRefreshing() const {
    return m_state == State::Pending || m_state == State::Refreshing;
}

QString RefreshControl::text() const {
    return m_label->text();
}

void RefreshControl::beginRefreshing() {
    if (isRefreshing()) {
        return;
    }
    if (!m_table->hasBeenShown()) {
        // A list started while its screen is being built asks for its first page only
        // once it is on screen, after the screen has finished setting it up.
        setState(State::Pending);
        return;
    }
    start();
}

void RefreshControl::endRefreshing() {
    if (!isRefreshing()) {
        return;
    }
    const bool wasRunning = m_state == State::Refreshing;
    setState(State::Idle);
    if (wasRunning) {
        emit refreshingEnded();
    }
}

void RefreshControl::start() {
    setState(State::Refreshing);
    emit refreshingStarted();
    if (m_onRefresh) {
        m_onRefresh();
    }
}

void RefreshControl::tableShown() {
    if (m_state == State::Pending) {
        start();
    }
}

void RefreshControl::setPullDistance(int distance) {
    if (isRefreshing()) {
        return;
    }
    if (distance <= 0) {
        setState(State::Idle);
    } else {
        setState(distance >= Height ? State::ReadyToRelease : State::Pulling);
    }
}

void RefreshControl::release() {
    if (m_state == State::ReadyToRelease) {
        beginRefreshing();
    } else if (m_state == State::Pulling) {
        setState(State::Idle);
    }
}

void RefreshControl::setState(State state) {
    if (m_state == state) {
        return;
    }
    const bool wasRefreshing = m_state == State::Refreshing;
    m_state = state;
    m_label->setText(textFor(m_kind, state));
    if (state == State::Refreshing) {
        m_spin->start();
    } else {
        m_spin->stop();
    }
    if (wasRefreshing || state == State::Refreshing) {
        m_table->refreshStateChanged(this);
    } else {
        m_table->layoutDecorations();
    }
}

void RefreshControl::resizeEvent(QResizeEvent*) {
    m_label->setGeometry(rect());
}

void RefreshControl::paintEvent(QPaintEvent*) {
    if (m_state != State::Refreshing) {
        return;
    }
    // The spinner sits left of the centred text.
    const int textWidth = m_label->fontMetrics().horizontalAdvance(m_label->text());
    const QRectF spinner((width() - textWidth) / 2.0 - spinnerGap - spinnerSize,
                         (height() - spinnerSize) / 2.0, spinnerSize, spinnerSize);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(textColor, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(spinner, int(-m_angle * 16), 270 * 16);
}
