#pragma once

#include <QString>
#include <functional>

class Screen;

// Screens that the shell creates by class name (the first screen of each tab). Each subsystem
// registers its classes at start-up; a name nobody registered gives nullptr.
class ScreenClasses {
public:
    using Factory = std::function<Screen*()>;
    static void add(const QString& className, Factory factory);
    static Screen* create(const QString& className);
    static bool contains(const QString& className);
};
