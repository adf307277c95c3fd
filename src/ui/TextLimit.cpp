#include "ui/TextLimit.h"

#include <QTextBoundaryFinder>

QString TextLimit::cut(const QString& text, int maxLength) {
    if (text.size() <= maxLength) {
        return text;
    }
    if (maxLength <= 0) {
        return QString();
    }
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(maxLength);
    const qsizetype end = characters.isAtBoundary()
                              ? maxLength
                              : std::max<qsizetype>(characters.toPreviousBoundary(), 0);
    return text.left(end);
}
