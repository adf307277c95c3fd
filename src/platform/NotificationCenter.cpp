#include "platform/NotificationCenter.h"

#include <QPointer>
#include <vector>

namespace {
struct Observer {
    NotificationCenter::Token token;
    QString name;
    QPointer<QObject> owner;
    std::function<void()> callback;
};

std::vector<Observer>& observers() {
    static std::vector<Observer> list;
    return list;
}

NotificationCenter::Token& lastToken() {
    static NotificationCenter::Token token = 0;
    return token;
}

void dropDeadOwners() {
    std::erase_if(observers(), [](const Observer& o) { return o.owner.isNull(); });
}
} // namespace

NotificationCenter::Token NotificationCenter::observe(const QString& name, QObject* owner,
                                                      std::function<void()> callback) {
    if (!owner || !callback) {
        return 0;
    }
    const Token token = ++lastToken();
    observers().push_back({token, name, owner, std::move(callback)});
    QObject::connect(owner, &QObject::destroyed, [] { dropDeadOwners(); });
    return token;
}

void NotificationCenter::stopObserving(Token token) {
    std::erase_if(observers(), [token](const Observer& o) { return o.token == token; });
}

void NotificationCenter::stopObserving(QObject* owner) {
    std::erase_if(observers(), [owner](const Observer& o) { return o.owner == owner; });
}

void NotificationCenter::post(const QString& name) {
    std::vector<Token> due;
    for (const Observer& o : observers()) {
        if (o.name == name) {
            due.push_back(o.token);
        }
    }
    // A callback may stop observers or destroy owners; each is looked up again before its turn.
    for (Token token : due) {
        auto& list = observers();
        auto it = std::find_if(list.begin(), list.end(),
                               [token](const Observer& o) { return o.token == token; });
        if (it != list.end() && !it->owner.isNull()) {
            std::function<void()> callback = it->callback;
            callback();
        }
    }
}

int NotificationCenter::observerCount(const QString& name) {
    dropDeadOwners();
    return int(std::count_if(observers().begin(), observers().end(),
                             [&name](const Observer& o) { return o.name == name; }));
}
