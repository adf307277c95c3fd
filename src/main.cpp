#include "RegisterFeatures.h"
#include "app/AppDelegate.h"
#include "app/DemoService.h"
#include "app/Options.h"
#include "app/Tour.h"
#include "app/TourRunner.h"
#include "platform/PhoneWindow.h"

#include <QApplication>
#include <cstdio>
#include <memory>

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

// Runs the tour once the window is up; the program ends with it.
void runTour(TourRunner& tour) {
    QObject::connect(&tour, &TourRunner::finished, &tour, [](bool ok, const QString& message) {
        std::fprintf(ok ? stdout : stderr, "shopowner: tour: %s\n", qPrintable(message));
        QCoreApplication::exit(ok ? 0 : 1);
    });
    QMetaObject::invokeMethod(&tour, &TourRunner::start, Qt::QueuedConnection);
}
} // namespace

int main(int argc, char** argv) {
    // The web module, loaded when the first page opens, renders through contexts shared with the
    // application's; they can only be asked for before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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

    std::unique_ptr<DemoService> demo;
    if (options.demo) {
        demo = std::make_unique<DemoService>();
        if (const QString reason = demo->start(DemoService::dataFolder(), options.demoReset);
            !reason.isEmpty()) {
            std::fprintf(stderr, "shopowner: %s\n", qPrintable(reason));
            return 1;
        }
        std::printf("shopowner: demo shop at %s (sign in with %s / %s, or %s / %s for an empty "
                    "shop)\n",
                    qPrintable(demo->baseUrl()), TourRunner::kDemoMobile, TourRunner::kDemoPassword,
                    Tour::kEmptyShopMobile, TourRunner::kDemoPassword);
        std::fflush(stdout);
    }

    registerFeatures();
    PhoneWindow window(options.windowSize);
    AppDelegate delegate(&window);
    std::unique_ptr<TourRunner> tour;
    if (!options.tourFolder.isEmpty()) {
        tour = std::make_unique<TourRunner>(&window, options.tourFolder);
        runTour(*tour);
    } else {
        delegate.didFinishLaunching();
    }
    if (!options.screenshotFile.isEmpty()) {
        saveFirstFrameAndQuit(window, options.screenshotFile);
    }
    window.show();
    return app.exec();
}
