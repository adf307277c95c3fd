#include "app/ValidateTool.h"

#include "app/WholeMatch.h"

bool ValidateTool::validateUserName(const QString& text) {
    return matchesWhole(QStringLiteral("^[A-Za-z0-9一-龥]{4,16}+$"), text);
}

bool ValidateTool::validatePassword(const QString& text) {
    return matchesWhole(QStringLiteral("^[^'\"]{6,16}$"), text);
}

bool ValidateTool::validateSubdomain(const QString& text) {
    return matchesWhole(QStringLiteral("^[a-z0-9_-]{4,10}$"), text);
}

bool ValidateTool::validatePostcode(const QString& text) {
    return matchesWhole(QStringLiteral("^[0-9]{6}$"), text);
}
