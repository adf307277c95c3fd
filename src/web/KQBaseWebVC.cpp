#include "web/KQBaseWebVC.h"

#include "app/RCNavigationbar.h"
#include "app/WholeMatch.h"
#include "platform/NavigationStack.h"
#include "platform/PopoverMenu.h"

#include <QPainter>
#include <QPushButton>
#include <QVariantAnimation>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtDebug>
#include <algorithm>

namespace {
const QString kLinkPattern = QStringLiteral(
    R"(\bhttps?://[a-zA-Z0-9\-.]+(?::(\d+))?(?:(?:/[a-zA-Z0-9\-._?,'+\&%$=~*!():@\\]*)+)?)");
// URL punctuation stays as it is; spaces, quotes, brackets and non-ASCII text are escaped.
const QByteArray kUrlPunctuation = "!#$%&'()*+,/:;=?@[]~";
const QColor kOrange(255, 128, 26);
constexpr int kAnimationMs = 300;
} // namespace

KQWebProgressView::KQWebProgressView(QWidget* parent)
    : QWidget(parent), animation_(new QVariantAnimation(this)) {
    setObjectName(QStringLiteral("progressView"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    animation_->setDuration(kAnimationMs);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        progress_ = value.toDouble();
        update();
    });
}

void KQWebProgressView::setProgress(double progress, bool animated) {
    animation_->stop();
    target_ = progress;
    if (animated) {
        animation_->setStartValue(progress_);
        animation_->setEndValue(progress);
        animation_->start();
    } else {
        progress_ = progress;
        update();
    }
}

void KQWebProgressView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(QRectF(0, 0, width() * progress_, height()), kOrange);
}

KQBaseWebVC::KQBaseWebVC(QWidget* parent) : KQJSInteractionVC(parent) {}

KQBaseWebVC::KQBaseWebVC(const QString& urlStr, QWidget* parent) : KQJSInteractionVC(parent) {
    setUrlStr(urlStr);
}

KQBaseWebVC* KQBaseWebVC::webVCWithURLStr(const QString& urlStr) {
    return new KQBaseWebVC(urlStr);
}

KQBaseWebVC::~KQBaseWebVC() {
    closeScreen();
}

QUrl KQBaseWebVC::normalisedUrl(const QString& address) {
    const QString escaped = QString::fromLatin1(QUrl::toPercentEncoding(address, kUrlPunctuation));
    const QString link =
        matchesWhole(kLinkPattern, escaped) ? escaped : QStringLiteral("http://") + escaped;
    return QUrl::fromEncoded(link.toLatin1());
}

void KQBaseWebVC::setUrlStr(const QString& urlStr) {
    urlStr_ = urlStr;
    webView()->load(normalisedUrl(urlStr));
}

QWebEngineView* KQBaseWebVC::webView() {
    if (!webView_) {
        webView_ = new QWebEngineView(this);
        webView_->setObjectName(QStringLiteral("webView"));
        KQWebPage* page = createScriptPage(webView_);
        page->setBackgroundColor(Qt::white);
        webView_->setPage(page);
        connect(page, &QWebEnginePage::loadingChanged, this, &KQBaseWebVC::loadingChanged);
        progressView();
        layoutWebViews();
    }
    return webView_;
}

KQWebProgressView* KQBaseWebVC::progressView() {
    if (!progressView_) {
        progressView_ = new KQWebProgressView(this);
        progressView_->hide();
        layoutWebViews();
    }
    return progressView_;
}

void KQBaseWebVC::viewDidLoad() {
    KQJSInteractionVC::viewDidLoad();
    webView();
}

void KQBaseWebVC::viewWillAppear() {
    RCNavigationbar* bar = setUpNaviBar(titleName_);
    RCNavigationbar::setImageAction(bar->left0, QStringLiteral("iconfont-back"),
                                    QStringLiteral("返回"), [this] { goBackClick(); });
    RCNavigationbar::setImageAction(bar->left1, QStringLiteral("icon_error"),
                                    QStringLiteral("关闭"), [this] { goForwardClick(); });
    bar->left1->setVisible(steppedBack_);
    RCNavigationbar::setImageAction(bar->right0, QStringLiteral("GoodsManager_gengduo"),
                                    QStringLiteral("更多"), [this] { showMore(); });
    if (progressView_) {
        progressView_->raise();
    }
}

void KQBaseWebVC::back() {
    goBackClick();
}

void KQBaseWebVC::goBackClick() {
    if (webView_ && webView_->history()->canGoBack()) {
        webView_->back();
        steppedBack_ = true;
        if (naviBar()) {
            naviBar()->left1->setVisible(true);
        }
        return;
    }
    KQJSInteractionVC::back();
}

void KQBaseWebVC::goForwardClick() {
    KQJSInteractionVC::back();
}

void KQBaseWebVC::showMore() {
    QWidget* anchor = naviBar() ? static_cast<QWidget*>(naviBar()->right0) : this;
    PopoverMenu::showFrom(anchor, {QStringLiteral("刷新")}, [this](int, const QString&) {
        if (webView_) {
            webView_->reload();
        }
    });
}

void KQBaseWebVC::loadingChanged(const QWebEngineLoadingInfo& info) {
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        setLoadCount(loadCount_ + 1);
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        setLoadCount(loadCount_ > 0 ? loadCount_ - 1 : 0);
        qWarning().noquote()
            << QStringLiteral("加载失败!!!!%1 (%2)").arg(info.errorString(), info.url().toString());
        break;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        setLoadCount(loadCount_ > 0 ? loadCount_ - 1 : 0);
        break;
    }
}

void KQBaseWebVC::setLoadCount(quint64 count) {
    loadCount_ = count;
    KQWebProgressView* bar = progressView();
    if (count > 0) {
        bar->show();
        bar->raise();
        const double p = bar->targetProgress();
        const double next = std::min(p + (1 - p) / double(count + 1), 0.95);
        bar->setProgress(next, true);
    } else {
        bar->hide();
        bar->setProgress(0, false);
    }
}

void KQBaseWebVC::closeScreen() {
    if (!webView_) {
        return;
    }
    // No blank page is loaded first, and a page that never loaded is not touched: either would
    // build the page's renderer while the window around it may be going away.
    disconnect(webView_->page(), nullptr, this, nullptr);
    if (loadCount_ > 0) {
        webView_->stop();
    }
    delete webView_;
    webView_ = nullptr;
    QWebEngineProfile* profile = webProfile();
    profile->clearHttpCache();
    profile->setHttpCacheType(QWebEngineProfile::NoCache);
    profile->setHttpCacheMaximumSize(0);
    qInfo().noquote() << QStringLiteral("释放了WebView");
}

void KQBaseWebVC::resizeEvent(QResizeEvent* event) {
    KQJSInteractionVC::resizeEvent(event);
    layoutWebViews();
}

void KQBaseWebVC::layoutWebViews() {
    if (webView_) {
        webView_->setGeometry(0, kNaviBarHeight, width(), std::max(0, height() - kNaviBarHeight));
    }
    if (progressView_) {
        progressView_->setGeometry(0, kNaviBarHeight, width(), 1);
    }
}
