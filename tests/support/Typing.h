#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types text into a widget key by key, as an input method delivers it: any character, not
// only the Latin ones QTest::keyClicks knows.
inline void typeText(QWidget* input, const QString& text) {
    for (const uint codePoint : text.toUcs4()) {
        const char32_t character = codePoint;
        QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                            Qt::NoModifier);
    }
}
