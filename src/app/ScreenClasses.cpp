#include "app/ScreenClasses.h"

#include <QHash>

namespace {
QHash<QString, ScreenClasses::Factory>& factories() {
    static QHash<QString, ScreenClasses::Factory> table;
    return table;
}
} // namespace

void ScreenClasses::add(const QString& className, Factory factory) {
    factories().insert(className, std::move(factory));
}

Screen* ScreenClasses::create(const QString& className) {
    const auto it = factories().constFind(className);
    return it == factories().constEnd() ? nullptr : (*it)();
}

bool ScreenClasses::contains(const QString& className) {
    return factories().contains(className);
}
