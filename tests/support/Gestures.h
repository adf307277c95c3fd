#pragma once

#include <QScroller>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

// Drags with the mouse through the window, as the owner would: press, move in steps,
// release, then wait until the content has come to rest. A flick lets go while moving
// fast; otherwise the pointer holds still before it lets go.
inline void drag(QWidget* window, QScroller* scroller, QPoint from, QPoint to, bool flick = false) {
    QWindow* handle = window->windowHandle();
    const int steps = 10;
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    for (int i = 1; i <= steps; ++i) {
        QTest::qWait(flick ? 5 : 20);
        QTest::mouseMove(handle, from + (to - from) * i / steps);
    }
    if (!flick) {
        QTest::qWait(300);
    }
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    EXPECT_TRUE(
        QTest::qWaitFor([scroller] { return scroller->state() == QScroller::Inactive; }, 10000));
}
