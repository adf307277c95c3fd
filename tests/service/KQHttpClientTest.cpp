#include "platform/ActivityOverlay.h"
#include "support/ServiceFixture.h"

#include <QImage>
#include <QPointer>
#include <ostream>

namespace {

const QString networkFailure = QStringLiteral("请检查网络连接");

QByteArray nested(int depth) {
    return R"({"status":"success","data":)" + QByteArray(depth, '[') + QByteArray(depth, ']') + "}";
}

QByteArray largeEnvelope(int bytes) {
    const QByteArray item = R"({"order_id":"1234567890","amount":12.5},)";
    QByteArray list;
    list.reserve(bytes + item.size());
    while (list.size() < bytes) {
        list += item;
    }
    list.chop(1);
    return R"({"status":"success","data":{"list":[)" + list + "]}}";
}

PeerReply withType(const QByteArray& type, const QByteArray& body, int status = 200) {
    PeerReply reply = PeerReply::json(body);
    reply.contentType = type;
    reply.status = status;
    return reply;
}

} // namespace

class EnvelopeTest : public ServiceFixture {};

TEST_F(EnvelopeTest, SuccessReachesTheCallbackWhole) {
    peer.reply("homepage/get.do",
               PeerReply::json(R"({"status":"success","data":{"income":3.5},"extra":1})"));
    auto outcome = std::make_shared<Outcome>();
    EXPECT_EQ(waitUntilFinished(KQHttpClientList::request_HomepageBlock(recorder(outcome))), 1);
    ASSERT_EQ(outcome->calls, 1);
    ASSERT_TRUE(outcome->reply);
    EXPECT_FALSE(outcome->error);
    EXPECT_EQ(outcome->reply->value("data").toObject().value("income").toDouble(), 3.5);
    EXPECT_EQ(outcome->reply->value("extra").toInt(), 1);
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
}

struct BadReplyCase {
    const char* name;
    std::function<PeerReply()> reply;
    QString toast;     // the one toast shown
    bool callbackRuns; // with an error (never with a failure envelope)
    ServiceError::Kind kind;
    int timeoutMs = ServiceConfig::defaultTimeoutMs;
};

void PrintTo(const BadReplyCase& c, std::ostream* out) {
    *out << c.name;
}

class BadReplyTest : public ServiceFixture, public ::testing::WithParamInterface<BadReplyCase> {};

TEST_P(BadReplyTest, ShowsItsToastAndCallsBackOnlyOnTransportFailures) {
    const BadReplyCase& c = GetParam();
    ServiceConfig::setTimeoutMs(c.timeoutMs);
    peer.reply("order/list.do", c.reply());
    auto outcome = std::make_shared<Outcome>();
    KQProject& bag = KQProject::project();
    bag.start = 0;
    bag.size = 10;
    KQRequest* request = KQHttpClientList::request_OrderListWith(bag, recorder(outcome));
    EXPECT_TRUE(ActivityOverlay::isShown());
    EXPECT_EQ(waitUntilFinished(request, c.timeoutMs + 10000), 1);
    EXPECT_FALSE(ActivityOverlay::isShown());
    EXPECT_EQ(Toast::visibleTexts(), QStringList{c.toast});
    EXPECT_FALSE(outcome->reply);
    if (c.callbackRuns) {
        EXPECT_EQ(outcome->calls, 1);
        ASSERT_TRUE(outcome->error);
        EXPECT_EQ(outcome->error->kind, c.kind);
    } else {
        EXPECT_EQ(outcome->calls, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadReplyTest,
    ::testing::Values(
        BadReplyCase{"TruncatedJson", [] { return PeerReply::json(R"({"status":"succ)"); },
                     networkFailure, true, ServiceError::Kind::BadReply},
        BadReplyCase{
            "HtmlErrorPageWithStatus200",
            [] { return withType("text/html", "<html><body>502 Bad Gateway</body></html>"); },
            networkFailure, true, ServiceError::Kind::BadReply},
        BadReplyCase{
            "Status500WithJsonBody",
            [] { return withType("application/json", R"({"status":"success","data":{}})", 500); },
            networkFailure, true, ServiceError::Kind::HttpStatus},
        BadReplyCase{"JsonArrayAtTheRoot",
                     [] { return PeerReply::json(R"([{"status":"success"}])"); }, networkFailure,
                     true, ServiceError::Kind::BadReply},
        BadReplyCase{"StatusInCapitals",
                     [] { return PeerReply::json(R"({"status":"SUCCESS","message":"大小写"})"); },
                     "大小写", false, ServiceError::Kind::Network},
        BadReplyCase{"NoStatus", [] { return PeerReply::json(R"({"message":"没有状态"})"); },
                     "没有状态", false, ServiceError::Kind::Network},
        BadReplyCase{"NoMessage", [] { return PeerReply::json(R"({"status":"fail"})"); }, "", false,
                     ServiceError::Kind::Network},
        BadReplyCase{"UnacceptedContentType",
                     [] { return withType("application/xml", R"({"status":"success"})"); },
                     networkFailure, true, ServiceError::Kind::BadReply},
        BadReplyCase{"NoContentType", [] { return withType("", R"({"status":"success"})"); },
                     networkFailure, true, ServiceError::Kind::BadReply},
        BadReplyCase{
            "InvalidUtf8",
            [] { return PeerReply::json("{\"status\":\"success\",\"data\":\"\xff\xfe\xc3\"}"); },
            networkFailure, true, ServiceError::Kind::BadReply},
        BadReplyCase{"FiftyThousandDeepNesting", [] { return PeerReply::json(nested(50000)); },
                     networkFailure, true, ServiceError::Kind::BadReply},
        BadReplyCase{"NeverAnswers",
                     [] {
                         PeerReply silent;
                         silent.neverAnswer = true;
                         return silent;
                     },
                     networkFailure, true, ServiceError::Kind::Timeout, 300},
        BadReplyCase{"DroppedConnection",
                     [] {
                         PeerReply drop;
                         drop.dropConnection = true;
                         return drop;
                     },
                     networkFailure, true, ServiceError::Kind::Network},
        BadReplyCase{"Redirect",
                     [] {
                         PeerReply moved = withType("text/html", "", 302);
                         moved.headers = {{"Location", "http://127.0.0.1:1/elsewhere.do"}};
                         return moved;
                     },
                     networkFailure, true, ServiceError::Kind::HttpStatus}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EnvelopeTest, TwentyMegabyteReplyIsParsedWhole) {
    const QByteArray body = largeEnvelope(20 * 1024 * 1024);
    peer.reply("order/list.do", PeerReply::json(body));
    auto outcome = std::make_shared<Outcome>();
    waitUntilFinished(
        KQHttpClientList::request_OrderListWith(KQProject::project(), recorder(outcome)));
    ASSERT_TRUE(outcome->reply);
    const QJsonArray list = outcome->reply->value("data").toObject().value("list").toArray();
    EXPECT_GT(list.size(), 400000);
    EXPECT_EQ(list.last().toObject().value("order_id").toString(), "1234567890");
}

TEST_F(EnvelopeTest, JsonWithTheHtmlContentTypeIsAccepted) {
    peer.reply("money/get.do", withType("text/html; charset=utf-8", R"({"status":"success"})"));
    auto outcome = std::make_shared<Outcome>();
    waitUntilFinished(KQHttpClientList::getmoneyManagerBlock(recorder(outcome)));
    EXPECT_TRUE(outcome->reply);
}

TEST_F(EnvelopeTest, AnUntrustedCertificateIsATransportFailure) {
    TestPeer https(TestPeer::Transport::Https);
    https.reply("login.do", PeerReply::json(R"({"status":"success"})"));
    ServiceConfig::setServiceUrl(https.baseUrl().toString());
    auto outcome = std::make_shared<Outcome>();
    waitUntilFinished(KQHttpClientList::request_Login(KQProject::project(), recorder(outcome)));
    ASSERT_TRUE(outcome->error);
    EXPECT_EQ(outcome->error->kind, ServiceError::Kind::Tls);
    EXPECT_EQ(Toast::visibleTexts(), QStringList{networkFailure});
    EXPECT_EQ(https.count("login.do"), 0);
}

TEST_F(EnvelopeTest, FinishedTellsTheEndOfAFailureEnvelopeThatSkipsTheCallback) {
    peer.reply("order/list.do", PeerReply::json(R"({"status":"fail","message":"没有权限"})"));
    auto outcome = std::make_shared<Outcome>();
    KQRequest* request =
        KQHttpClientList::request_OrderListWith(KQProject::project(), recorder(outcome));
    QPointer<KQRequest> handle(request);
    EXPECT_EQ(waitUntilFinished(request), 1);
    EXPECT_EQ(outcome->calls, 0);
    EXPECT_EQ(Toast::visibleTexts(), QStringList{"没有权限"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return handle.isNull(); }, 1000))
        << "the request deletes itself after finished()";
}

TEST_F(EnvelopeTest, AGuardDestroyedFirstStopsTheCallbackAndHidesTheOverlay) {
    PeerReply slow = PeerReply::json(R"({"status":"success"})");
    slow.delayMs = 200;
    peer.reply("order/get.do", slow);
    auto outcome = std::make_shared<Outcome>();
    auto* screen = new QObject;
    KQRequest* request =
        KQHttpClientList::request_OrderDetailWith(KQProject::project(), recorder(outcome))
            ->guardedBy(screen);
    auto emitted = std::make_shared<int>(0);
    QObject::connect(request, &KQRequest::finished, [emitted] { ++*emitted; });
    EXPECT_TRUE(ActivityOverlay::isShown());
    delete screen;
    EXPECT_EQ(*emitted, 1);
    EXPECT_FALSE(ActivityOverlay::isShown());
    QTest::qWait(400);
    EXPECT_EQ(outcome->calls, 0);
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
}

// A list that stops its indicator on finished() and is destroyed while its page loads.
class PagedList : public QObject {
public:
    explicit PagedList(int* ended) : ended_(ended) {}
    ~PagedList() override { alive_ = false; }
    void endRefreshing() {
        EXPECT_TRUE(alive_) << "called back while being destroyed";
        ++*ended_;
    }

private:
    int* ended_;
    bool alive_ = true;
};

TEST_F(EnvelopeTest, AGuardDestroyedFirstIsNotCalledBackThroughItsOwnConnections) {
    PeerReply slow = PeerReply::json(R"({"status":"success"})");
    slow.delayMs = 200;
    peer.reply("order/list.do", slow);
    int ended = 0;
    auto* list = new PagedList(&ended);
    KQProject& bag = KQProject::project();
    bag.start = 0;
    bag.size = 10;
    KQRequest* request = KQHttpClientList::request_OrderListWith(bag, {})->guardedBy(list);
    QObject::connect(request, &KQRequest::finished, list, &PagedList::endRefreshing);
    auto emitted = std::make_shared<int>(0);
    QObject::connect(request, &KQRequest::finished, [emitted] { ++*emitted; });
    delete list;
    EXPECT_EQ(*emitted, 1) << "others still learn that the request ended";
    EXPECT_EQ(ended, 0);
}

TEST_F(EnvelopeTest, TwoOverlappingPostsShareOneOverlayHiddenByTheFirstCompletion) {
    PeerReply slow = PeerReply::json(R"({"status":"success"})");
    slow.delayMs = 600;
    peer.reply("order/get.do", slow);
    peer.reply("homepage/get.do", PeerReply::json(R"({"status":"success"})"));
    KQRequest* second = KQHttpClientList::request_OrderDetailWith(KQProject::project(), {});
    QPointer<KQRequest> secondHandle(second);
    KQRequest* first = KQHttpClientList::request_HomepageBlock({});
    EXPECT_TRUE(ActivityOverlay::isShown());
    waitUntilFinished(first);
    EXPECT_FALSE(ActivityOverlay::isShown());
    ASSERT_FALSE(secondHandle.isNull());
    EXPECT_FALSE(second->isFinished());
    waitUntilFinished(second);
    EXPECT_FALSE(ActivityOverlay::isShown());
}

TEST_F(EnvelopeTest, FormFieldsArriveExactlyAsTyped) {
    const QStringList texts{"1+1=2",           "a&b=c",    "100%",     "  two  spaces ",
                            "line\nbreak\r\n", "中文店铺", "😀🛒", "%2B+%20"};
    peer.reply("comment/reply.do", PeerReply::json(R"({"status":"success"})"));
    for (const QString& text : texts) {
        KQProject& bag = KQProject::project();
        bag.comment_id = text;
        bag.content = text + text;
        waitUntilFinished(KQHttpClientList::request_CommentReplyWith(bag, {}));
        const PeerRequest got = peer.requests().last();
        EXPECT_EQ(got.field("comment_id"), text);
        EXPECT_EQ(got.field("content"), text + text);
        EXPECT_EQ(got.form.size(), 2);
        EXPECT_EQ(got.headers.value("content-type"), "application/x-www-form-urlencoded");
    }
}

TEST_F(EnvelopeTest, TheLogoGoesAsOneJpegPartWithoutOverlay) {
    peer.reply("system/uploadLogo.do", PeerReply::json(R"({"status":"success"})"));
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    auto outcome = std::make_shared<Outcome>();
    KQRequest* request = KQHttpClientList::request_UploadLogoWith(image, recorder(outcome));
    EXPECT_FALSE(ActivityOverlay::isShown());
    waitUntilFinished(request);
    EXPECT_TRUE(outcome->reply);
    const PeerRequest got = peer.requests().value(0);
    ASSERT_EQ(got.parts.size(), 1);
    EXPECT_TRUE(got.headers.value("content-type").startsWith("multipart/form-data"));
    EXPECT_EQ(got.parts[0].name, "picture");
    EXPECT_EQ(got.parts[0].filename, "20160518090002.jpg");
    EXPECT_EQ(got.parts[0].contentType, "image/jpg");
    const QImage sent = QImage::fromData(got.parts[0].data, "JPEG");
    EXPECT_EQ(sent.size(), image.size());
}

TEST_F(EnvelopeTest, AnImageThatDoesNotEncodeSendsNothingAndSaysSo) {
    auto outcome = std::make_shared<Outcome>();
    waitUntilFinished(KQHttpClientList::request_UploadLogoWith(QImage(), recorder(outcome)));
    ASSERT_TRUE(outcome->error);
    EXPECT_EQ(outcome->error->kind, ServiceError::Kind::BadInput);
    EXPECT_EQ(Toast::visibleTexts(), QStringList{"图片无法读取"});
    EXPECT_TRUE(peer.requests().isEmpty());
}

TEST_F(EnvelopeTest, ALogoUploadFailureCallsBackWithTheError) {
    PeerReply drop;
    drop.dropConnection = true;
    peer.reply("system/uploadLogo.do", drop);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    auto outcome = std::make_shared<Outcome>();
    waitUntilFinished(KQHttpClientList::request_UploadLogoWith(image, recorder(outcome)));
    EXPECT_TRUE(outcome->error);
    EXPECT_EQ(Toast::visibleTexts(), QStringList{networkFailure});
}

TEST_F(EnvelopeTest, TheResetPostTakesAnyJsonReplyQuietly) {
    peer.reply("forgot/resetPassword.do", PeerReply::json(R"({"status":"fail"})"));
    auto outcome = std::make_shared<Outcome>();
    KQRequest* request = KQHttpClientList::request_ResetPassword("13800000000", "1234", "新密码+1",
                                                                 recorder(outcome));
    EXPECT_FALSE(ActivityOverlay::isShown());
    waitUntilFinished(request);
    ASSERT_TRUE(outcome->reply);
    EXPECT_EQ(outcome->reply->value("status").toString(), "fail");
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
    const PeerRequest got = peer.requests().value(0);
    EXPECT_EQ(got.form, (QList<QPair<QString, QString>>{{"mobile", "13800000000"},
                                                        {"security_code", "1234"},
                                                        {"captcha", "8075"},
                                                        {"password", "新密码+1"}}));
}

TEST_F(EnvelopeTest, TheResetPostRefusesHtmlWithoutAToast) {
    peer.reply("forgot/resetPassword.do", withType("text/html", R"({"status":"success"})"));
    auto outcome = std::make_shared<Outcome>();
    waitUntilFinished(KQHttpClientList::request_ResetPassword("1", "2", "3", recorder(outcome)));
    EXPECT_TRUE(outcome->error);
    EXPECT_TRUE(Toast::visibleTexts().isEmpty());
}
