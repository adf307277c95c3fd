#pragma once

#include "web/KQJSInteractionVC.h"

#include <QUrl>
#include <QWidget>

class QVariantAnimation;
class QWebEngineLoadingInfo;
class QWebEngineView;

// The thin load indicator under the bar: an orange stretch on a white track.
class KQWebProgressView : public QWidget {
    Q_OBJECT
public:
    explicit KQWebProgressView(QWidget* parent = nullptr);
    double progress() const { return progress_; }
    // The value the bar is moving to (the shown value once an animation ends).
    double targetProgress() const { return target_; }
    void setProgress(double progress, bool animated);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double progress_ = 0;
    double target_ = 0;
    QVariantAnimation* animation_;
};

// Shows one web address inside the app with back, close and a reload menu.
class KQBaseWebVC : public KQJSInteractionVC {
    Q_OBJECT
public:
    explicit KQBaseWebVC(QWidget* parent = nullptr);
    explicit KQBaseWebVC(const QString& urlStr, QWidget* parent = nullptr);
    ~KQBaseWebVC() override;

    static KQBaseWebVC* webVCWithURLStr(const QString& urlStr);

    // Stores the address and loads it at once.
    void setUrlStr(const QString& urlStr);
    QString urlStr() const { return urlStr_; }
    // The title shown from the next appearance on.
    void setTitleName(const QString& titleName) { titleName_ = titleName; }
    QString titleName() const { return titleName_; }

    // The address escaped for a URL, with "http://" in front unless it is an http(s) link.
    static QUrl normalisedUrl(const QString& address);

    void goBackClick();
    void goForwardClick();
    void showMore();

    QWebEngineView* webView();
    KQWebProgressView* progressView();
    quint64 loadCount() const { return loadCount_; }
    // Page loads under way: the bar creeps towards 95 % while there are any and resets after.
    void setLoadCount(quint64 count);

    // Pops the screen: the back slot steps back through the page history first.
    void back() override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void closeScreen();
    void layoutWebViews();

    QString urlStr_;
    QString titleName_;
    QWebEngineView* webView_ = nullptr;
    KQWebProgressView* progressView_ = nullptr;
    quint64 loadCount_ = 0;
    bool steppedBack_ = false;
};
