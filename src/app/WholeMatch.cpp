#include "app/WholeMatch.h"

#include <QHash>
#include <QRegularExpression>

bool matchesWhole(const QString& pattern, const QString& text) {
    // Compiling is the costly part; the patterns are few and fixed.
    static QHash<QString, QRegularExpression> compiled;
    auto it = compiled.find(pattern);
    if (it == compiled.end()) {
        it = compiled.insert(pattern,
                             QRegularExpression(QRegularExpression::anchoredPattern(pattern)));
    }
    return it->match(text).hasMatch();
}
