#include "app/Options.h"
#include "platform/PhoneWindow.h"

#include <QApplication>
#include <cstdio>

namespace {
// Saves the first painted frame and ends the program, with status 1 if the file failed.
void saveFirstFrameAndQuit(PhoneWindow& window, const QString& file) {
    QObject::connect(
        &window, &PhoneWindow::firstFramePainted, &window,
        [&window, file] {
            QString error;
            const bool saved = window.saveScreenshot(file, error);
            if (!saved) {
                std::fprintf(stderr, "shopowner: %s\n", qPrintable(error));
            }
            QCoreApplication::exit(saved ? 0 : 1);
        },
        Qt::QueuedConnection);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("shopowner"));

    Options options;
    QString message;
    switch (Options::parse(app.arguments(), options, message)) {
    case Options::Outcome::ShowHelp:
        std::fputs(qPrintable(message), stdout);
        return 0;
    case Options::Outcome::Error:
        std::fprintf(stderr, "shopowner: %s\n", qPrintable(message));
        return 2;
    case Options::Outcome::Run:
        break;
    }

    PhoneWindow window(options.windowSize);
    if (!options.screenshotFile.isEmpty()) {
        saveFirstFrameAndQuit(window, options.screenshotFile);
    }
    window.show();
    return app.exec();
}
