#include "addresses/RegionPicker.h"
#include "platform/PhoneWindow.h"
#include "platform/PropertyList.h"

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

const char* const kRegions = R"(<plist version="1.0"><array>
    <dict><key>甲省</key><string>110000</string><key>cities</key><array>
        <dict><key>甲一市</key><string>110100</string></dict>
        <dict><key>甲二市</key><string>110200</string></dict></array></dict>
    <dict><key>乙省</key><string>120000</string><key>cities</key><array>
        <dict><key>乙一市</key><string>120100</string></dict>
        <dict><key>乙二市</key><string>120200</string></dict>
        <dict><key>乙三市</key><string>120300</string></dict></array></dict>
    </array></plist>)";

struct RegionPickerTest : ::testing::Test {
    PhoneWindow window;
    QPointer<RegionPicker> picker;
    std::optional<QString> reported;
    int reports = 0;

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        open(RegionList::fromPropertyList(PropertyList::parse(kRegions).value_or(QVariant())));
    }
    void TearDown() override { delete picker; }
    void open(const RegionList& regions) {
        delete picker;
        picker = new RegionPicker(regions);
        picker->confirmedBlock = [this](RegionPicker*, const QString& result) {
            reported = result;
            ++reports;
        };
        picker->showIn(&window);
    }
    // A touch on a row of a wheel, as the owner gives it.
    void touch(int wheel, int row) {
        QListWidget* list = picker->wheel(wheel);
        list->scrollToItem(list->item(row));
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void confirm() {
        QTest::mouseClick(picker->confirmButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(RegionPickerTest, OpensOnTheFirstProvinceAndItsCities) {
    EXPECT_EQ(picker->rows(0), QStringList({"甲省", "乙省"}));
    EXPECT_EQ(picker->rows(1), QStringList({"甲一市", "甲二市"}));
    EXPECT_EQ(picker->selectedRow(0), 0);
    EXPECT_EQ(picker->selectedRow(1), 0);
    EXPECT_EQ(picker->wheel(0)->accessibleName(), "省份");
    EXPECT_EQ(picker->wheel(1)->accessibleName(), "城市");
}

TEST_F(RegionPickerTest, ConfirmingUntouchedReportsTheFirstProvinceAndCity) {
    confirm();
    EXPECT_EQ(reported, "甲省,甲一市");
    EXPECT_FALSE(picker);
}

TEST_F(RegionPickerTest, TurningTheProvinceReportsItsFirstCityUnlessACityIsPicked) {
    touch(1, 1);
    EXPECT_EQ(picker->result(), "甲省,甲二市");
    touch(0, 1);
    EXPECT_EQ(picker->rows(1), QStringList({"乙一市", "乙二市", "乙三市"}));
    EXPECT_EQ(picker->selectedRow(1), 0);
    EXPECT_EQ(picker->result(), "乙省,乙一市");
    touch(1, 2);
    confirm();
    EXPECT_EQ(reported, "乙省,乙三市");
    EXPECT_EQ(reports, 1);
}

TEST_F(RegionPickerTest, CancellingReportsNothing) {
    touch(0, 1);
    QTest::mouseClick(picker->cancelButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(picker);
    EXPECT_EQ(reports, 0);
}

TEST_F(RegionPickerTest, WithoutARegionListThePickerHasNoRowsAndReportsNothing) {
    open(RegionList());
    EXPECT_TRUE(picker->rows(0).isEmpty());
    EXPECT_TRUE(picker->rows(1).isEmpty());
    confirm();
    EXPECT_EQ(reports, 0);
}

TEST(RegionPickerResult, SplitsAtTheComma) {
    struct Case {
        QString result, province, city;
    };
    for (const Case& c : {Case{"浙江省,杭州市", "浙江省", "杭州市"}, Case{"甲,乙,丙", "甲", "丙"},
                          Case{"无逗号", "无逗号", "无逗号"}}) {
        const RegionPicker::Choice choice = RegionPicker::split(c.result);
        EXPECT_EQ(choice.province, c.province) << c.result.toStdString();
        EXPECT_EQ(choice.city, c.city) << c.result.toStdString();
    }
}

TEST(RegionPickerOnTheShippedList, OpensOnBeijing) {
    PhoneWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QPointer<RegionPicker> picker = RegionPicker::open(&window, nullptr);
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->result(), "北京市,北京市");
    EXPECT_GT(picker->rows(0).size(), 30);
    delete picker;
}

} // namespace
