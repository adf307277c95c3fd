#pragma once

#include <QString>

// Input checks of the address and subdomain editors. Each answers true only when the whole
// text matches.
class ValidateTool {
public:
    // 4 to 16 Latin letters, digits or Chinese characters (U+4E00 to U+9FA5).
    static bool validateUserName(const QString& text);
    // 6 to 16 characters, none of them a quote.
    static bool validatePassword(const QString& text);
    // 4 to 10 lower-case letters, digits, "_" or "-".
    static bool validateSubdomain(const QString& text);
    // Exactly six digits.
    static bool validatePostcode(const QString& text);
};
