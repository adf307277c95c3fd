#include "app/RegexTool.h"

#include "app/WholeMatch.h"

bool RegexTool::isMobileNumber(const QString& text) {
    static const QString patterns[] = {
        QStringLiteral(R"(^1(3[0-9]|5[0-35-9]|8[025-9])\d{8}$)"),
        QStringLiteral(R"(^1(34[0-8]|(3[5-9]|5[017-9]|8[2378])\d)\d{7}$)"),
        QStringLiteral(R"(^1((33|53|8[019])[0-9]|349)\d{7}$)"),
        QStringLiteral(R"(^1(3[0-2]|5[256]|8[56])\d{8}$)"),
        QStringLiteral(R"(^1(45|70|77)\d{8}$)"),
    };
    for (const QString& pattern : patterns) {
        if (matchesWhole(pattern, text)) {
            return true;
        }
    }
    return false;
}
