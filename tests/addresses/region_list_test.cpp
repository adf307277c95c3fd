#include "addresses/KQAddressManager.h"
#include "platform/Printers.h"
#include "platform/PropertyList.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

RegionList listFrom(const char* xml) {
    return RegionList::fromPropertyList(PropertyList::parse(xml).value_or(QVariant()));
}

// The shipped list is what the screens and the shop service rely on: names that resolve to
// one city and join with a comma, identifiers as the service expects them.
TEST(RegionListFile, EveryCityHasAUniqueNameAndAnIdentifierOfItsProvince) {
    const std::optional<QVariantList> root = KQAddressManager::getAddress();
    ASSERT_TRUE(root.has_value());
    const RegionList list = RegionList::fromResource();
    ASSERT_EQ(list.provinces().size(), root->size());
    static const QRegularExpression sixDigits(QStringLiteral("^\\d{6}$"));
    QSet<QString> names;
    QSet<QString> provinceIds;
    for (const RegionList::Province& province : list.provinces()) {
        SCOPED_TRACE(province.name.toStdString());
        EXPECT_FALSE(province.name.isEmpty());
        EXPECT_TRUE(sixDigits.match(province.id).hasMatch()) << province.id.toStdString();
        EXPECT_TRUE(province.id.endsWith(QStringLiteral("0000")));
        EXPECT_FALSE(provinceIds.contains(province.id));
        provinceIds.insert(province.id);
        EXPECT_GE(province.cities.size(), 1);
        for (const RegionList::Region& city : province.cities) {
            EXPECT_TRUE(sixDigits.match(city.id).hasMatch()) << city.id.toStdString();
            EXPECT_EQ(city.id.left(2), province.id.left(2)) << city.name.toStdString();
            EXPECT_FALSE(city.name.contains(QLatin1Char(','))) << city.name.toStdString();
            EXPECT_FALSE(city.name.contains(QChar(0xFF0C))) << city.name.toStdString();
            EXPECT_FALSE(names.contains(city.name)) << city.name.toStdString();
            names.insert(city.name);
        }
    }
}

TEST(RegionListFile, MunicipalitiesArePlainCitiesAndPseudoCitiesAreGone) {
    const RegionList list = RegionList::fromResource();
    for (const char* municipality : {"北京市", "天津市", "上海市", "重庆市"}) {
        const QString id = list.provinceId(QString::fromUtf8(municipality)).value_or(QString());
        ASSERT_FALSE(id.isEmpty()) << municipality;
        EXPECT_EQ(list.cityId(QString::fromUtf8(municipality)), id.left(2) + "0100");
    }
    for (const RegionList::Province& province : list.provinces()) {
        for (const RegionList::Region& city : province.cities) {
            EXPECT_NE(city.id.mid(2), "9000") << city.name.toStdString();
        }
    }
    EXPECT_EQ(list.cityId(QStringLiteral("济源市")), "419001");
    EXPECT_EQ(list.cityId(QStringLiteral("石河子市")), "659001");
    EXPECT_FALSE(list.provinceId(QStringLiteral("台湾省")).has_value());
}

TEST(KQAddressManager, LooksUpNamesAndIdentifiersInTheShippedList) {
    EXPECT_EQ(KQAddressManager::getProvineNameFromID("440000"), "广东省");
    EXPECT_EQ(KQAddressManager::getProvineIDFromName("浙江省"), "330000");
    EXPECT_EQ(KQAddressManager::getCityNameFromID("440300"), "深圳市");
    EXPECT_EQ(KQAddressManager::getCityIDFromName("拉萨市"), "540100");
    EXPECT_FALSE(KQAddressManager::getProvineNameFromID("990000").has_value());
    EXPECT_FALSE(KQAddressManager::getCityIDFromName("不存在市").has_value());
    EXPECT_FALSE(KQAddressManager::getProvineIDFromName(QString()).has_value());
    EXPECT_FALSE(KQAddressManager::getCityNameFromID("440000").has_value());
}

TEST(RegionList, ACityNamedUnderTwoProvincesResolvesToTheEarlierOne) {
    const RegionList list = listFrom(R"(<plist version="1.0"><array>
        <dict><key>甲省</key><string>110000</string><key>cities</key><array>
            <dict><key>同名市</key><string>110100</string></dict></array></dict>
        <dict><key>乙省</key><string>120000</string><key>cities</key><array>
            <dict><key>同名市</key><string>120100</string></dict>
            <dict><key>乙市</key><string>120200</string></dict></array></dict>
        </array></plist>)");
    EXPECT_EQ(list.cityId("同名市"), "110100");
    EXPECT_EQ(list.cityName("120100"), "同名市");
    EXPECT_EQ(list.cityId("乙市"), "120200");
    EXPECT_EQ(list.provinceName("120000"), "乙省");
}

TEST(RegionList, AProvinceWithoutATextEntryIsNeverFoundButKeepsItsCities) {
    const RegionList list = listFrom(R"(<plist version="1.0"><array>
        <dict><key>无名</key><integer>130000</integer><key>cities</key><array>
            <dict><key>丙市</key><string>130100</string></dict>
            <dict><key>数字市</key><integer>130200</integer></dict></array></dict>
        </array></plist>)");
    ASSERT_EQ(list.provinces().size(), 1);
    EXPECT_FALSE(list.provinceName("130000").has_value());
    EXPECT_FALSE(list.provinceId("无名").has_value());
    EXPECT_FALSE(list.provinceId(QString()).has_value());
    EXPECT_EQ(list.cityId("丙市"), "130100");
    // Identifiers must be text: a number makes no city.
    EXPECT_FALSE(list.cityId("数字市").has_value());
}

TEST(RegionList, AnUnreadableListFindsNothing) {
    for (const char* xml : {"", "<plist version=\"1.0\"><dict></dict></plist>",
                            "<plist version=\"1.0\"><array><dict><key>x</key>"}) {
        const RegionList list = listFrom(xml);
        EXPECT_TRUE(list.isEmpty()) << xml;
        EXPECT_FALSE(list.provinceId("北京市").has_value());
        EXPECT_FALSE(list.cityName("110100").has_value());
    }
}

} // namespace
