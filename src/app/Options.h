#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// The command line of shopowner. Each option is one member here and one entry in parse().
class Options {
public:
    QSize windowSize{375, 667};
    QString screenshotFile;
    // Run on a shop service started as a child process (see DemoService).
    bool demo = false;
    bool demoReset = false;
    // Sign in as the demo owner and save a picture of every screen into this folder.
    QString tourFolder;

    enum class Outcome { Run, ShowHelp, Error };
    // message receives the help text or what was wrong with the arguments.
    static Outcome parse(const QStringList& arguments, Options& options, QString& message);
};
