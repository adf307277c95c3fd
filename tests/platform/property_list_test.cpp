#include "platform/Printers.h"
#include "platform/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray plist(const QByteArray& body) {
    return R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0">)" + body + "</plist>";
}

TEST(PropertyList, ReadsEveryKindOfValue) {
    const std::optional<QVariant> root = PropertyList::parse(plist(R"(<dict>
        <key>name</key><string>浙江省 &amp; 杭州</string>
        <key>count</key><integer>-42</integer>
        <key>rate</key><real>2.5</real>
        <key>on</key><true/>
        <key>off</key><false/>
        <key>bytes</key><data>aGVs
            bG8=</data>
        <key>when</key><date>2016-05-18T09:12:12Z</date>
        <key>empty</key><string></string>
        <key>list</key><array><string>a</string><array/><dict/></array>
    </dict>)"));
    ASSERT_TRUE(root.has_value());
    const QVariantMap map = root->toMap();
    EXPECT_EQ(map.value("name"), QVariant(QStringLiteral("浙江省 & 杭州")));
    EXPECT_EQ(map.value("count"), QVariant(qint64(-42)));
    EXPECT_EQ(map.value("rate"), QVariant(2.5));
    EXPECT_EQ(map.value("on"), QVariant(true));
    EXPECT_EQ(map.value("off"), QVariant(false));
    EXPECT_EQ(map.value("bytes"), QVariant(QByteArray("hello")));
    EXPECT_EQ(map.value("when").toDateTime(),
              QDateTime(QDate(2016, 5, 18), QTime(9, 12, 12), Qt::UTC));
    EXPECT_EQ(map.value("empty").typeId(), QMetaType::QString);
    const QVariantList list = map.value("list").toList();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.at(0), QVariant(QStringLiteral("a")));
    EXPECT_EQ(list.at(1).typeId(), QMetaType::QVariantList);
    EXPECT_EQ(list.at(2).typeId(), QMetaType::QVariantMap);
}

TEST(PropertyList, RefusesWhatIsNotAWellFormedList) {
    const QByteArray deep =
        QByteArray("<array>").repeated(200) + QByteArray("</array>").repeated(200);
    for (const QByteArray& xml : {
             QByteArray(),
             QByteArray("<array/>"),                         // no plist element
             plist(""),                                      // no value
             plist("<array><string>a</string>"),             // unclosed
             plist("<dict><key>a</key></dict>"),             // key without value
             plist("<dict><string>a</string></dict>"),       // value without key
             plist("<integer>twelve</integer>"),             // not a number
             plist("<real>1.5x</real>"),                     // not a number
             plist("<data>@@@</data>"),                      // not base64
             plist("<date>yesterday</date>"),                // not a date
             plist("<set><string>a</string></set>"),         // unknown element
             plist("<string>a</string><string>b</string>"),  // two roots
             plist("<array><string>a<b/></string></array>"), // markup inside text
             plist(deep),                                    // nested past any use
         }) {
        EXPECT_FALSE(PropertyList::parse(xml).has_value()) << xml.left(80).toStdString();
    }
}

TEST(PropertyList, ReadsAFileAndTellsAMissingOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("list.plist");
    EXPECT_FALSE(PropertyList::read(path).has_value());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(plist("<array><string>北京市</string></array>"));
    file.close();
    const std::optional<QVariant> root = PropertyList::read(path);
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->toList(), QVariantList({QStringLiteral("北京市")}));
}

} // namespace
