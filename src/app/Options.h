#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// The command line of shopowner. Each option is one member here and one entry in parse().
class Options {
public:
    QSize windowSize{375, 667};
    QString screenshotFile;

    enum class Outcome { Run, ShowHelp, Error };
    // message receives the help text or what was wrong with the arguments.
    static Outcome parse(const QStringList& arguments, Options& options, QString& message);
};
