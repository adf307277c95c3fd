#include "app/RCNavigationbar.h"
#include "app/WebPage.h"
#include "platform/PopoverMenu.h"
#include "support/ScreenFixture.h"
#include "web/KQBaseWebVC.h"

#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// Collects what the program logs while it lives.
class LogCapture {
public:
    LogCapture() { previous_ = qInstallMessageHandler(&LogCapture::handle); }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    static bool contains(const QString& text) {
        return std::any_of(lines().cbegin(), lines().cend(),
                           [&](const QString& line) { return line.contains(text); });
    }
    static QStringList& lines() {
        static QStringList all;
        return all;
    }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message) {
        lines().append(message);
    }
    QtMessageHandler previous_;
};

constexpr int kPageTimeoutMs = 30000;

PeerReply html(const QByteArray& body) {
    PeerReply reply;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = body;
    return reply;
}

class WebScreenTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        peer.reply("/a.html", html(R"(<html><head><title>A</title></head>
            <body><a id="next" href="/b.html">下一页</a></body></html>)"));
        peer.reply("/b.html", html("<html><head><title>B</title></head><body>B</body></html>"));
        peer.reply("/calls.html", html(R"(<html><head><title>C</title></head><body>
            <script>iOS.goodsDetail('1');</script></body></html>)"));
    }

    // The web screen pushed over a first screen, as an opener does.
    KQBaseWebVC* openWeb(const QString& path) {
        auto* web = new KQBaseWebVC;
        web->setTitleName("店铺预览");
        web->setUrlStr(peer.baseUrl().toString() + path);
        return push(web);
    }
    static bool idleOn(KQBaseWebVC* web, const QString& title) {
        // The web engine's first page in a process takes seconds to start, more with sanitizers.
        return QTest::qWaitFor(
            [&] { return web->loadCount() == 0 && web->webView()->title() == title; },
            kPageTimeoutMs);
    }
    static QString evaluate(KQBaseWebVC* web, const QString& script) {
        QString result;
        bool done = false;
        web->webView()->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value.toString();
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kPageTimeoutMs));
        return result;
    }
};

TEST(WebAddress, AddressesAreEscapedAndGetASchemeWhenTheyLackOne) {
    struct Case {
        const char* address;
        const char* url;
    };
    const Case cases[] = {
        {"https://m.shop.example/index.html?shopId=1024",
         "https://m.shop.example/index.html?shopId=1024"},
        {"http://127.0.0.1:8080/a/b.html", "http://127.0.0.1:8080/a/b.html"},
        {"m.shop.example/index.html", "http://m.shop.example/index.html"},
        {"https://m.shop.example/商品 列表",
         "https://m.shop.example/%E5%95%86%E5%93%81%20%E5%88%97%E8%A1%A8"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KQBaseWebVC::normalisedUrl(QString::fromUtf8(c.address)).toEncoded(),
                  QByteArray(c.url))
            << c.address;
    }
}

TEST_F(WebScreenTest, ProgressCreepsTowardsNinetyFivePercentWhileLoadsRun) {
    auto* web = new KQBaseWebVC;
    open(web);
    KQWebProgressView* bar = web->progressView();
    struct Step {
        quint64 count;
        double progress;
    };
    const Step steps[] = {{1, 0.5},
                          {2, 0.5 + 0.5 / 3},
                          {1, 2.0 / 3 + (1.0 / 3) / 2},
                          {1, 0.8333333333 + 0.1666666667 / 2},
                          {1, 0.95},
                          {9, 0.95},
                          {0, 0.0}};
    for (const Step& s : steps) {
        web->setLoadCount(s.count);
        EXPECT_NEAR(bar->targetProgress(), s.progress, 1e-6) << s.count;
        EXPECT_EQ(bar->isHidden(), s.count == 0);
    }
    EXPECT_EQ(bar->progress(), 0.0) << "the reset is not animated";
}

TEST_F(WebScreenTest, PageSeesTheScriptObjectAndNothingToCallOnIt) {
    KQBaseWebVC* web = openWeb("a.html");
    ASSERT_TRUE(idleOn(web, "A"));
    EXPECT_EQ(web->naviBar()->titleView->text(), "店铺预览");
    EXPECT_EQ(evaluate(web, "typeof iOS + ':' + Object.getOwnPropertyNames(iOS).length + ':' + "
                            "Object.isFrozen(iOS)"),
              "object:0:true");
    EXPECT_TRUE(web->progressView()->isHidden());
    EXPECT_EQ(web->progressView()->progress(), 0.0);
    EXPECT_EQ(web->progressView()->geometry(), QRect(0, 64, 375, 1));
    EXPECT_EQ(web->webView()->geometry(), QRect(0, 64, 375, 667 - 64));
    EXPECT_NE(web->webView()->page()->profile(), QWebEngineProfile::defaultProfile());
}

TEST_F(WebScreenTest, OpenersGetTheScreenFromTheModuleInTheProgramsLibraryFolder) {
    KQSBaesVC* screen = WebPage::create(peer.baseUrl().toString() + "a.html", "店铺预览");
    // The module this program links is the one loaded: one copy of the screen's class.
    auto* web = qobject_cast<KQBaseWebVC*>(screen);
    ASSERT_TRUE(web) << WebPage::modulePath().toStdString();
    push(web);
    EXPECT_EQ(web->titleName(), "店铺预览");
    ASSERT_TRUE(idleOn(web, "A"));
    EXPECT_EQ(web->naviBar()->titleView->text(), "店铺预览");
}

TEST_F(WebScreenTest, ScriptErrorsAreLoggedAndThePageKeepsRunning) {
    LogCapture log;
    KQBaseWebVC* web = openWeb("calls.html");
    ASSERT_TRUE(idleOn(web, "C"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !web->lastException().isEmpty(); }, kPageTimeoutMs));
    EXPECT_TRUE(web->lastException().contains("goodsDetail"));
    EXPECT_TRUE(LogCapture::contains("异常信息："));
    EXPECT_EQ(evaluate(web, "1 + 1"), "2");
}

TEST_F(WebScreenTest, BackStepsThroughHistoryThenTheScreenCloses) {
    KQBaseWebVC* web = openWeb("a.html");
    ASSERT_TRUE(idleOn(web, "A"));
    EXPECT_TRUE(web->naviBar()->left1->isHidden());

    QTest::mouseClick(web->naviBar()->left0, Qt::LeftButton);
    navigation->finishTransition();
    EXPECT_EQ(navigation->screens().size(), 1) << "no history: back closes";

    web = openWeb("a.html");
    ASSERT_TRUE(idleOn(web, "A"));
    // A load from outside the page: links followed by script alone are skipped by back.
    web->webView()->load(QUrl(peer.baseUrl().toString() + "b.html"));
    ASSERT_TRUE(idleOn(web, "B"));
    QTest::mouseClick(web->naviBar()->left0, Qt::LeftButton);
    ASSERT_TRUE(idleOn(web, "A"));
    EXPECT_EQ(navigation->screens().size(), 2);
    EXPECT_FALSE(web->naviBar()->left1->isHidden());

    web->webView()->forward();
    ASSERT_TRUE(idleOn(web, "B"));
    QTest::mouseClick(web->naviBar()->left1, Qt::LeftButton);
    navigation->finishTransition();
    EXPECT_EQ(navigation->screens().size(), 1) << "close ignores the history";
}

TEST_F(WebScreenTest, RefreshFromTheMenuReloadsTheShownPage) {
    KQBaseWebVC* web = openWeb("a.html");
    ASSERT_TRUE(idleOn(web, "A"));
    const int loads = peer.count("/a.html");
    QTest::mouseClick(web->naviBar()->right0, Qt::LeftButton);
    auto* menu = window->findChild<PopoverMenu*>();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->entries(), QStringList{"刷新"});
    QTest::mouseClick(menu->entryButton(0), Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return peer.count("/a.html") == loads + 1; }, kPageTimeoutMs));
    ASSERT_TRUE(idleOn(web, "A"));
}

TEST_F(WebScreenTest, FailedLoadIsLoggedAndClosingEmptiesTheCache) {
    LogCapture log;
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();

    KQBaseWebVC* web = openWeb("a.html");
    ASSERT_TRUE(idleOn(web, "A"));
    web->setUrlStr(QString("http://127.0.0.1:%1/gone.html").arg(port));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return LogCapture::contains("加载失败!!!!"); }, kPageTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return web->loadCount() == 0; }, kPageTimeoutMs));
    EXPECT_TRUE(web->progressView()->isHidden());

    QTest::mouseClick(web->naviBar()->left1, Qt::LeftButton);
    navigation->finishTransition();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(QTest::qWaitFor([] { return LogCapture::contains("释放了WebView"); }));
    QWebEngineProfile* profile = KQJSInteractionVC::webProfile();
    EXPECT_EQ(profile->httpCacheType(), QWebEngineProfile::NoCache);
    EXPECT_EQ(profile->httpCacheMaximumSize(), 0);
}

} // namespace
