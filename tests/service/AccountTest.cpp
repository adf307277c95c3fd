#include "service/KQAccountTool.h"
#include "service/KQCookies.h"
#include "service/LoginAccount.h"
#include "support/ServiceFixture.h"
#include "support/TimeZoneGuard.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QNetworkCookie>
#include <cstdlib>
#include <ctime>

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions othersMask = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;

void writeRaw(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Collects every log line written while it lives.
class LogCapture {
public:
    LogCapture() {
        lines().clear();
        previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                              const QString& text) { lines().append(text); });
    }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    static QStringList& lines() {
        static QStringList captured;
        return captured;
    }

private:
    QtMessageHandler previous_;
};

QList<QNetworkCookie> cookiesFor(const TestPeer& peer) {
    return KQHttpClient::cookieStore()->cookiesForUrl(peer.baseUrl());
}

} // namespace

class AccountTest : public ServiceFixture {
protected:
    PeerRequest post(const std::function<KQRequest*()>& call) {
        const qsizetype before = peer.requests().size();
        waitUntilFinished(call());
        EXPECT_EQ(peer.requests().size(), before + 1);
        return peer.requests().value(before);
    }

    // A successful sign-in as the screens do it: the reply sets the session cookie.
    void signIn(const QString& password, const QByteArray& sessionCookie) {
        PeerReply login = PeerReply::json(R"({"status":"success","data":{"shop_id":"s1"}})");
        login.setCookies = {sessionCookie};
        peer.reply("login.do", login);
        KQProject& bag = KQProject::project();
        bag.mobile = "13800000000";
        bag.password = password;
        post([&] { return KQHttpClientList::request_Login(bag, {}); });
        ASSERT_TRUE(LoginAccount::saveLoginAccountWithshopid("s1", "13800000000", password));
    }
};

TEST_F(AccountTest, ASavedAccountReadsBackWithItsExpiryInLocalTimeReadAsGmt) {
    const TimeZoneGuard zone("Asia/Shanghai");
    Clock::useTestClock(QDateTime(QDate(2016, 5, 18), QTime(9, 0)));
    ASSERT_TRUE(LoginAccount::saveLoginAccountWithshopid("shop-7", "13800000000", "p@ss word"));
    const std::optional<KQAccount> account = KQAccountTool::account();
    ASSERT_TRUE(account);
    EXPECT_EQ(account->auth_token, "");
    EXPECT_EQ(account->expires_in, 2592000);
    EXPECT_EQ(account->expiresTime, QDateTime(QDate(2016, 6, 17), QTime(9, 0), Qt::UTC));
    EXPECT_EQ(account->shop_id, "shop-7");
    EXPECT_TRUE(account->shop_name.isNull());
    EXPECT_EQ(account->userid, "13800000000");
    EXPECT_EQ(account->userPassCode, "p@ss word");
}

TEST_F(AccountTest, AccountWithDictIgnoresUnknownKeysAndReadsNumericText) {
    const KQAccount account = KQAccount::accountWithDict(
        QJsonObject{{"expires_in", "2592000"}, {"shop_id", "s"}, {"no_such_field", 1}});
    EXPECT_EQ(account.expires_in, 2592000);
    EXPECT_EQ(account.shop_id, "s");
}

TEST_F(AccountTest, AYearOldAccountIsStillInUse) {
    Clock::useTestClock(QDateTime(QDate(2015, 5, 18), QTime(9, 0)));
    ASSERT_TRUE(LoginAccount::saveLoginAccountWithshopid("s", "1", "p"));
    Clock::advance(366LL * 24 * 3600 * 1000);
    EXPECT_TRUE(KQAccountTool::account());
}

TEST_F(AccountTest, NoFileOrADamagedFileReadsAsNoAccountAndStays) {
    EXPECT_FALSE(KQAccountTool::account());
    ASSERT_TRUE(LoginAccount::saveLoginAccountWithshopid("s", "1", "p"));
    const QByteArray good = readRaw(KQAccountTool::accountFilePath());
    QJsonObject wrongType = QJsonDocument::fromJson(good).object();
    wrongType.insert("expires_in", "soon");
    QJsonObject missing = QJsonDocument::fromJson(good).object();
    missing.remove("userPassCode");
    const QList<QByteArray> damaged{"",
                                    "garbage",
                                    good.left(good.size() / 2),
                                    "[1,2]",
                                    QJsonDocument(wrongType).toJson(),
                                    QJsonDocument(missing).toJson(),
                                    QByteArray(1000, '\0')};
    for (const QByteArray& content : damaged) {
        SCOPED_TRACE(content.left(40).toStdString());
        writeRaw(KQAccountTool::accountFilePath(), content);
        EXPECT_FALSE(KQAccountTool::account());
        EXPECT_TRUE(QFile::exists(KQAccountTool::accountFilePath()));
    }
}

TEST_F(AccountTest, TheAccountFileAndTheCookieCopyAreOwnerOnlyAndReplacedWhole) {
    writeRaw(KQAccountTool::accountFilePath(), "old content of another size");
    QFile::setPermissions(KQAccountTool::accountFilePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    signIn("secret", "sid=abc; Path=/");
    for (const QString& path : {KQAccountTool::accountFilePath(), KQCookies::copyFilePath()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(QFile::permissions(path).testFlags(ownerOnly));
        EXPECT_EQ(QFile::permissions(path) & othersMask, QFileDevice::Permissions());
    }
    EXPECT_TRUE(KQAccountTool::account());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).filter("account").size(), 1)
        << "no temporary file is left behind";
}

TEST_F(AccountTest, DeletingWithoutAnAccountSaysSoAndChangesNothing) {
    signIn("p", "sid=abc; Path=/");
    QFile::remove(KQAccountTool::accountFilePath());
    KQAccountTool::deleteAccount();
    EXPECT_EQ(Toast::visibleTexts(), QStringList{"本地账号不存在"});
    EXPECT_EQ(cookiesFor(peer).size(), 1);
}

TEST_F(AccountTest, AfterDeletingTheNextPlainPostSendsTheSignInCookiesAgain) {
    signIn("p", "sid=abc; Path=/");
    KQAccountTool::deleteAccount();
    EXPECT_FALSE(QFile::exists(KQAccountTool::accountFilePath()));
    EXPECT_TRUE(KQHttpClient::cookieStore()->allCookies().isEmpty());
    EXPECT_TRUE(QFile::exists(KQCookies::copyFilePath()));
    peer.reply("login.do", PeerReply::json(R"({"status":"fail","message":"x"})"));
    const PeerRequest next =
        post([] { return KQHttpClientList::request_Login(KQProject::project(), {}); });
    EXPECT_EQ(next.cookies.value("sid"), "abc");
}

TEST_F(AccountTest, ACookieTheServiceChangedIsRestoredBeforeTheNextPlainPost) {
    signIn("p", "sid=one; Path=/");
    PeerReply changing = PeerReply::json(R"({"status":"success"})");
    changing.setCookies = {"sid=two; Path=/"};
    peer.reply("homepage/get.do", changing);
    post([] { return KQHttpClientList::request_HomepageBlock({}); });
    EXPECT_EQ(cookiesFor(peer).value(0).value(), "two");
    peer.reply("order/list.do", PeerReply::json(R"({"status":"success"})"));
    const PeerRequest next =
        post([] { return KQHttpClientList::request_OrderListWith(KQProject::project(), {}); });
    EXPECT_EQ(next.cookies.value("sid"), "one");
}

TEST_F(AccountTest, TheMultipartPostDoesNotReinstallTheCookies) {
    signIn("p", "sid=abc; Path=/");
    KQCookies::deleteCookie();
    peer.reply("system/uploadLogo.do", PeerReply::json(R"({"status":"success"})"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    const PeerRequest upload =
        post([&] { return KQHttpClientList::request_UploadLogoWith(image, {}); });
    EXPECT_TRUE(upload.cookies.isEmpty());
}

TEST_F(AccountTest, TheCookieCopyKeepsEveryProperty) {
    signIn("p", "sid=abc; Path=/; Expires=Wed, 21 Oct 2037 07:28:00 GMT; HttpOnly; Secure");
    const QNetworkCookie before = KQHttpClient::cookieStore()->allCookies().value(0);
    KQCookies::deleteCookie();
    KQCookies::setCookie();
    const QList<QNetworkCookie> after = KQHttpClient::cookieStore()->allCookies();
    ASSERT_EQ(after.size(), 1);
    EXPECT_EQ(after[0].toRawForm(), before.toRawForm());
    EXPECT_TRUE(after[0].isHttpOnly());
    EXPECT_TRUE(after[0].isSecure());
    EXPECT_EQ(after[0].expirationDate(), QDateTime(QDate(2037, 10, 21), QTime(7, 28), Qt::UTC));
}

TEST_F(AccountTest, ADamagedCookieCopyInstallsNothing) {
    writeRaw(KQCookies::copyFilePath(), "{\"cookies\":");
    KQCookies::setCookie();
    EXPECT_TRUE(KQHttpClient::cookieStore()->allCookies().isEmpty());
}

TEST_F(AccountTest, ThePasswordNeverAppearsInALogLine) {
    const QString password = "Pa55+&=% 秘密😀";
    LogCapture capture;
    signIn(password, "sid=abc; Path=/");
    PeerReply broken = PeerReply::json("not json");
    peer.reply("login.do", broken);
    KQProject& bag = KQProject::project();
    bag.password = password;
    post([&] { return KQHttpClientList::request_Login(bag, {}); });
    KQAccountTool::deleteAccount();
    ASSERT_FALSE(LogCapture::lines().isEmpty()) << "the cookie keeper logs its steps";
    const QString encoded = QString::fromLatin1(password.toUtf8().toPercentEncoding());
    for (const QString& line : LogCapture::lines()) {
        EXPECT_FALSE(line.contains(password)) << line.toStdString();
        EXPECT_FALSE(line.contains(encoded)) << line.toStdString();
        EXPECT_FALSE(line.contains("Pa55")) << line.toStdString();
    }
}
