#include "support/TestPeer.h"

#include <QElapsedTimer>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QNetworkReply* postForm(QNetworkAccessManager& manager, const QUrl& url, const QByteArray& body) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    request.setRawHeader("Cookie", "a=1; b=two");
    return manager.post(request, body);
}

bool finishes(QNetworkReply* reply) {
    QSignalSpy spy(reply, &QNetworkReply::finished);
    return reply->isFinished() || spy.wait(5000);
}

} // namespace

TEST(TestPeer, RecordsAFormPostAndAnswersAsScripted) {
    TestPeer peer;
    PeerReply scripted = PeerReply::json(R"({"status":"success"})");
    scripted.setCookies = {"sid=abc; Path=/"};
    peer.reply("order/list.do", scripted);
    QNetworkAccessManager manager;
    QNetworkReply* reply =
        postForm(manager, peer.baseUrl().resolved(QUrl("order/list.do?x=1")), "a=1%2B2&b=c+d&e");
    ASSERT_TRUE(finishes(reply));
    EXPECT_EQ(reply->readAll(), R"({"status":"success"})");
    EXPECT_EQ(reply->rawHeader("Set-Cookie"), "sid=abc; Path=/");
    ASSERT_EQ(peer.requests().size(), 1);
    const PeerRequest got = peer.requests().first();
    EXPECT_EQ(got.method, "POST");
    EXPECT_EQ(got.path, "/order/list.do");
    EXPECT_EQ(got.query.queryItemValue("x"), "1");
    EXPECT_EQ(got.field("a"), "1+2");
    EXPECT_EQ(got.field("b"), "c d");
    EXPECT_TRUE(got.hasField("e"));
    EXPECT_FALSE(got.hasField("f"));
    EXPECT_EQ(got.cookies.value("b"), "two");
    EXPECT_EQ(peer.count("/order/list.do"), 1);
    delete reply;
}

TEST(TestPeer, UnscriptedPathsAnswer404AndGetWorks) {
    TestPeer peer;
    QNetworkAccessManager manager;
    QNetworkReply* reply =
        manager.get(QNetworkRequest(peer.baseUrl().resolved(QUrl("nothing.png"))));
    ASSERT_TRUE(finishes(reply));
    EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);
    EXPECT_EQ(peer.requests().value(0).method, "GET");
    delete reply;
}

TEST(TestPeer, ParsesMultipartParts) {
    TestPeer peer;
    peer.reply("up.do", PeerReply::json("{}"));
    QNetworkAccessManager manager;
    auto* multi = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   R"(form-data; name="picture"; filename="1.jpg")");
    part.setHeader(QNetworkRequest::ContentTypeHeader, "image/jpg");
    part.setBody(QByteArray("\r\n--x\0y", 7));
    multi->append(part);
    QNetworkReply* reply =
        manager.post(QNetworkRequest(peer.baseUrl().resolved(QUrl("up.do"))), multi);
    multi->setParent(reply);
    ASSERT_TRUE(finishes(reply));
    ASSERT_EQ(peer.requests().value(0).parts.size(), 1);
    const PeerRequest::Part got = peer.requests().first().parts.first();
    EXPECT_EQ(got.name, "picture");
    EXPECT_EQ(got.filename, "1.jpg");
    EXPECT_EQ(got.contentType, "image/jpg");
    EXPECT_EQ(got.data, QByteArray("\r\n--x\0y", 7));
    delete reply;
}

TEST(TestPeer, DropsTheConnectionOverHttps) {
    TestPeer https(TestPeer::Transport::Https);
    EXPECT_EQ(https.baseUrl().scheme(), "https");
    PeerReply drop;
    drop.dropConnection = true;
    https.reply("drop.do", drop);
    QNetworkAccessManager manager;
    QNetworkReply* reply = postForm(manager, https.baseUrl().resolved(QUrl("drop.do")), "a=1");
    QObject::connect(reply, &QNetworkReply::sslErrors, reply,
                     [reply] { reply->ignoreSslErrors(); });
    ASSERT_TRUE(finishes(reply));
    EXPECT_NE(reply->error(), QNetworkReply::NoError);
    EXPECT_GE(https.count("drop.do"), 1);
    delete reply;
}

TEST(TestPeer, AnswersAfterTheScriptedDelay) {
    TestPeer peer;
    PeerReply slow = PeerReply::json("{}");
    slow.delayMs = 300;
    peer.reply("slow.do", slow);
    QNetworkAccessManager manager;
    QElapsedTimer clock;
    clock.start();
    QNetworkReply* reply = postForm(manager, peer.baseUrl().resolved(QUrl("slow.do")), "a=1");
    ASSERT_TRUE(finishes(reply));
    EXPECT_GE(clock.elapsed(), 290);
    EXPECT_EQ(reply->error(), QNetworkReply::NoError);
    delete reply;
}

TEST(TestPeer, QueuedRepliesComeFirstInOrderAndHeldOnesWaitForTheirRelease) {
    TestPeer peer;
    peer.reply("q.do", PeerReply::json(R"({"n":"default"})"));
    peer.enqueue("q.do", PeerReply::json(R"({"n":"first"})"));
    PeerReply held = PeerReply::json(R"({"n":"second"})");
    held.held = true;
    peer.enqueue("/q.do", held);
    QNetworkAccessManager manager;
    const QUrl url = peer.baseUrl().resolved(QUrl("q.do"));

    QNetworkReply* first = postForm(manager, url, "i=1");
    ASSERT_TRUE(finishes(first));
    EXPECT_EQ(first->readAll(), R"({"n":"first"})");
    EXPECT_EQ(peer.waitForRequest("q.do").value_or(PeerRequest{}).field("i"), "1");

    QNetworkReply* second = postForm(manager, url, "i=2");
    const auto asked = peer.waitForRequest("/q.do");
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->field("i"), "2");
    EXPECT_FALSE(second->isFinished());
    EXPECT_FALSE(peer.release("q.do", 1));
    EXPECT_TRUE(peer.release("q.do"));
    ASSERT_TRUE(finishes(second));
    EXPECT_EQ(second->readAll(), R"({"n":"second"})");
    EXPECT_FALSE(peer.release("q.do")) << "nothing is held any more";

    QNetworkReply* third = postForm(manager, url, "i=3");
    ASSERT_TRUE(finishes(third));
    EXPECT_EQ(third->readAll(), R"({"n":"default"})");
    delete first;
    delete second;
    delete third;
}
