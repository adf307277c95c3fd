#include "app/Options.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {
struct OptionsCase {
    const char* name;
    QStringList arguments;
    Options::Outcome outcome;
    QSize size;
    QString screenshot;
};

void PrintTo(const OptionsCase& c, std::ostream* os) {
    *os << c.name;
}

class OptionsTest : public ::testing::TestWithParam<OptionsCase> {};
} // namespace

TEST_P(OptionsTest, ParsesTheCommandLine) {
    const OptionsCase& c = GetParam();
    Options options;
    QString message;
    const Options::Outcome outcome =
        Options::parse(QStringList{"shopowner"} + c.arguments, options, message);
    EXPECT_EQ(outcome, c.outcome);
    if (outcome == Options::Outcome::Run) {
        EXPECT_EQ(options.windowSize, c.size);
        EXPECT_EQ(options.screenshotFile, c.screenshot);
        EXPECT_TRUE(message.isEmpty());
    } else {
        EXPECT_FALSE(message.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, OptionsTest,
    ::testing::Values(
        OptionsCase{"Defaults", {}, Options::Outcome::Run, {375, 667}, {}},
        OptionsCase{"Size", {"--size", "414x736"}, Options::Outcome::Run, {414, 736}, {}},
        OptionsCase{"SizeWithEquals", {"--size=320X568"}, Options::Outcome::Run, {320, 568}, {}},
        OptionsCase{"Screenshot",
                    {"--screenshot", "out/a.png"},
                    Options::Outcome::Run,
                    {375, 667},
                    "out/a.png"},
        OptionsCase{"Help", {"--help"}, Options::Outcome::ShowHelp, {}, {}},
        OptionsCase{"SizeWithoutHeight", {"--size", "375"}, Options::Outcome::Error, {}, {}},
        OptionsCase{"SizeTooSmall", {"--size", "10x10"}, Options::Outcome::Error, {}, {}},
        OptionsCase{"SizeTooLarge", {"--size", "99999x667"}, Options::Outcome::Error, {}, {}},
        OptionsCase{"SizeNegative", {"--size", "-375x667"}, Options::Outcome::Error, {}, {}},
        OptionsCase{"SizeMissing", {"--size"}, Options::Outcome::Error, {}, {}},
        OptionsCase{"EmptyScreenshot", {"--screenshot", ""}, Options::Outcome::Error, {}, {}},
        OptionsCase{"Unknown", {"--colour", "red"}, Options::Outcome::Error, {}, {}},
        OptionsCase{"Stray", {"extra"}, Options::Outcome::Error, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {
struct DemoCase {
    const char* name;
    QStringList arguments;
    Options::Outcome outcome;
    bool demo;
    bool reset;
    QString tour;
};

void PrintTo(const DemoCase& c, std::ostream* os) {
    *os << c.name;
}

class DemoOptionsTest : public ::testing::TestWithParam<DemoCase> {};
} // namespace

TEST_P(DemoOptionsTest, DemoFlagsGoTogether) {
    const DemoCase& c = GetParam();
    Options options;
    QString message;
    EXPECT_EQ(Options::parse(QStringList{"shopowner"} + c.arguments, options, message), c.outcome)
        << message.toStdString();
    if (c.outcome == Options::Outcome::Run) {
        EXPECT_EQ(options.demo, c.demo);
        EXPECT_EQ(options.demoReset, c.reset);
        EXPECT_EQ(options.tourFolder, c.tour);
    } else {
        EXPECT_FALSE(message.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, DemoOptionsTest,
    ::testing::Values(
        DemoCase{"Demo", {"--demo"}, Options::Outcome::Run, true, false, {}},
        DemoCase{"Reset", {"--demo", "--demo-reset"}, Options::Outcome::Run, true, true, {}},
        DemoCase{"Tour",
                 {"--demo", "--tour", "out/tour"},
                 Options::Outcome::Run,
                 true,
                 false,
                 "out/tour"},
        DemoCase{"TourWithoutDemo", {"--tour", "out"}, Options::Outcome::Error, false, false, {}},
        DemoCase{"ResetWithoutDemo", {"--demo-reset"}, Options::Outcome::Error, false, false, {}},
        DemoCase{"EmptyTour", {"--demo", "--tour", ""}, Options::Outcome::Error, false, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });
