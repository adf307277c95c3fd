#pragma once

#include <QObject>
#include <QString>
#include <functional>

// Named notifications without object, delivered at once on the main thread in the order the
// observers started observing. An observer goes away when stopped or when its owner is
// destroyed, so a deleted screen is never called back.
class NotificationCenter {
public:
    using Token = quint64;

    static Token observe(const QString& name, QObject* owner, std::function<void()> callback);
    static void stopObserving(Token token);
    static void stopObserving(QObject* owner);
    static void post(const QString& name);
    static int observerCount(const QString& name);
};
