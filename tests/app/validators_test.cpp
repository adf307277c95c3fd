#include "app/RegexTool.h"
#include "app/ValidateTool.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    bool (*check)(const QString&);
    const char* name;
    QString text;
    bool accepted;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name << " \"" << c.text.toStdString() << "\"";
}

class Validators : public ::testing::TestWithParam<Case> {};

TEST_P(Validators, AcceptOnlyWholeMatches) {
    const Case& c = GetParam();
    EXPECT_EQ(c.check(c.text), c.accepted) << c.name << " \"" << c.text.toStdString() << "\"";
}

const auto userName = &ValidateTool::validateUserName;
const auto password = &ValidateTool::validatePassword;
const auto subdomain = &ValidateTool::validateSubdomain;
const auto postcode = &ValidateTool::validatePostcode;
const auto mobile = &RegexTool::isMobileNumber;

INSTANTIATE_TEST_SUITE_P(
    Table, Validators,
    ::testing::Values(Case{userName, "user name", QStringLiteral("店铺1234"), true},
                      Case{userName, "user name", QStringLiteral("abcd"), true},
                      Case{userName, "user name", QStringLiteral("abc"), false},
                      Case{userName, "user name", QStringLiteral("ab cd"), false},
                      Case{userName, "user name", QStringLiteral("abcdefghijklmnopq"), false},
                      Case{userName, "user name", QStringLiteral("abcd\n"), false},
                      Case{password, "password", QStringLiteral("abcdef"), true},
                      Case{password, "password", QStringLiteral("abc'def"), false},
                      Case{password, "password", QStringLiteral("abc\"def"), false},
                      Case{password, "password", QStringLiteral("abcde"), false},
                      Case{password, "password", QStringLiteral("abcdefghijklmnop"), true},
                      Case{password, "password", QStringLiteral("abcdefghijklmnopq"), false},
                      Case{subdomain, "subdomain", QStringLiteral("shop_01"), true},
                      Case{subdomain, "subdomain", QStringLiteral("my-shop"), true},
                      Case{subdomain, "subdomain", QStringLiteral("Shop1"), false},
                      Case{subdomain, "subdomain", QStringLiteral("abc"), false},
                      Case{subdomain, "subdomain", QStringLiteral("abcdefghijk"), false},
                      Case{subdomain, "subdomain", QStringLiteral("shop1\n"), false},
                      Case{postcode, "postcode", QStringLiteral("518000"), true},
                      Case{postcode, "postcode", QStringLiteral("51800"), false},
                      Case{postcode, "postcode", QStringLiteral("5180001"), false},
                      Case{postcode, "postcode", QStringLiteral("51800a"), false},
                      Case{mobile, "mobile", QStringLiteral("13800138000"), true},
                      Case{mobile, "mobile", QStringLiteral("17012345678"), true},
                      Case{mobile, "mobile", QStringLiteral("13412345678"), true},
                      Case{mobile, "mobile", QStringLiteral("14512345678"), true},
                      Case{mobile, "mobile", QStringLiteral("12012345678"), false},
                      Case{mobile, "mobile", QStringLiteral("1380013800"), false},
                      Case{mobile, "mobile", QStringLiteral("138001380001"), false},
                      Case{mobile, "mobile", QStringLiteral("13800138000\n"), false},
                      Case{mobile, "mobile", QStringLiteral("１３８００１３８０００"), false}),
    [](const ::testing::TestParamInfo<Case>& info) {
        return QStringLiteral("%1_%2")
            .arg(info.index)
            .arg(QString::fromLatin1(info.param.name).replace(' ', '_'))
            .toStdString();
    });

} // namespace
