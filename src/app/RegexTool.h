#pragma once

#include <QString>

// The mainland mobile-number check: 11 digits with a known carrier prefix.
class RegexTool {
public:
    static bool isMobileNumber(const QString& text);
};
