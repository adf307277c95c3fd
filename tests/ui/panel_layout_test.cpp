#include "platform/Printers.h"
#include "ui/PanelLayout.h"

#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(LayoutFile, FramesCountFromTheEdgeTheyName) {
    struct Case {
        const char* element;
        QJsonObject description;
        QRect at375;
        QRect at320;
    };
    const Case cases[] = {
        {"from the left",
         {{"x", 10}, {"y", 20}, {"width", 44}, {"height", 30}},
         {10, 20, 44, 30},
         {10, 20, 44, 30}},
        {"from the right",
         {{"right", 76}, {"y", 20}, {"width", 44}, {"height", 44}},
         {255, 20, 44, 44},
         {200, 20, 44, 44}},
        {"between both edges",
         {{"x", 100}, {"right", 100}, {"y", 20}, {"height", 44}},
         {100, 20, 175, 44},
         {100, 20, 120, 44}},
        {"around the middle",
         {{"centerX", 0}, {"y", 28}, {"width", 56}, {"height", 56}},
         {159, 28, 56, 56},
         {132, 28, 56, 56}},
        {"edges closer than the stretch",
         {{"x", 200}, {"right", 200}, {"y", 0}, {"height", 5}},
         {200, 0, 0, 5},
         {200, 0, 0, 5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LayoutFile::frame(c.description, 375), c.at375) << c.element;
        EXPECT_EQ(LayoutFile::frame(c.description, 320), c.at320) << c.element;
    }
}

TEST(LayoutFile, ReadsNamedFilesAndColours) {
    EXPECT_FALSE(LayoutFile::read("KQOrderStatus1").isEmpty());
    EXPECT_TRUE(LayoutFile::read("noSuchLayout").isEmpty());
    EXPECT_EQ(LayoutFile::colour(QJsonArray{255, 79, 79}, Qt::black), QColor(255, 79, 79));
    EXPECT_EQ(LayoutFile::colour(QJsonArray{255, 79}, Qt::black), QColor(Qt::black));
    EXPECT_EQ(LayoutFile::colour(QJsonValue("red"), Qt::black), QColor(Qt::black));
}

TEST(PanelLayout, ElementsFollowThePanelWidthAndPicturesTheirFrames) {
    PanelLayout panel("KQOrderStatus1");
    ASSERT_TRUE(panel.isValid());
    panel.show();
    for (int width : {375, 320}) {
        panel.resize(width, 271);
        auto* picture = panel.element<QLabel>("statusImage");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), QRect(width / 2 - 28, 28, 56, 56)) << width;
        EXPECT_EQ(picture->pixmap().deviceIndependentSize().toSize(), QSize(56, 56)) << width;
        auto* title = panel.element<QLabel>("statusTitle");
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->geometry(), QRect(20, 100, width - 40, 26)) << width;
        EXPECT_EQ(title->text(), "等待买家付款");
        auto* close = panel.element<QPushButton>("closeBtn");
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->geometry().center().x(), width / 2 - 1) << width;
    }
}

TEST(PanelLayout, AMissingFileGivesAnEmptyPanel) {
    PanelLayout panel("noSuchLayout");
    EXPECT_FALSE(panel.isValid());
    EXPECT_TRUE(panel.findChildren<QWidget*>().isEmpty());
}

} // namespace
