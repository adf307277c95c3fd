#include "app/Options.h"

#include "service/ServiceConfig.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {
constexpr int smallestSide = 100;
constexpr int largestSide = 4000;

bool parseSize(const QString& text, QSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    const QSize parsed(match.captured(1).toInt(), match.captured(2).toInt());
    const auto fits = [](int side) { return side >= smallestSide && side <= largestSide; };
    if (!fits(parsed.width()) || !fits(parsed.height())) {
        return false;
    }
    size = parsed;
    return true;
}
} // namespace

Options::Outcome Options::parse(const QStringList& arguments, Options& options, QString& message) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The shop owner's phone-sized client."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Window size in points (default 375x667)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the first frame to a PNG and exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Run on the demo shop service, started for this run."));
    const QCommandLineOption demoReset(
        QStringLiteral("demo-reset"), QStringLiteral("With --demo: start from a fresh demo shop."));
    const QCommandLineOption tour(QStringLiteral("tour"),
                                  QStringLiteral("With --demo: sign in as the demo owner, save "
                                                 "a PNG of every screen into DIR and exit."),
                                  QStringLiteral("DIR"));
    parser.addOptions({size, screenshot, demo, demoReset, tour});
    ServiceConfig::addOptions(parser);

    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return Outcome::Error;
    }
    if (parser.isSet(help)) {
        message = parser.helpText();
        return Outcome::ShowHelp;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message =
            QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return Outcome::Error;
    }
    if (parser.isSet(size) && !parseSize(parser.value(size), options.windowSize)) {
        message = QStringLiteral("--size wants WIDTHxHEIGHT in points, each from %1 to %2, "
                                 "for example 375x667; got \"%3\"")
                      .arg(smallestSide)
                      .arg(largestSide)
                      .arg(parser.value(size));
        return Outcome::Error;
    }
    if (parser.isSet(screenshot)) {
        options.screenshotFile = parser.value(screenshot);
        if (options.screenshotFile.isEmpty()) {
            message = QStringLiteral("--screenshot wants a file name");
            return Outcome::Error;
        }
    }
    options.demo = parser.isSet(demo);
    options.demoReset = parser.isSet(demoReset);
    options.tourFolder = parser.value(tour);
    if ((options.demoReset || parser.isSet(tour)) && !options.demo) {
        message = QStringLiteral("--demo-reset and --tour go with --demo");
        return Outcome::Error;
    }
    if (parser.isSet(tour) && options.tourFolder.isEmpty()) {
        message = QStringLiteral("--tour wants a folder");
        return Outcome::Error;
    }
    if (const QString reason = ServiceConfig::applyOptions(parser); !reason.isEmpty()) {
        message = reason;
        return Outcome::Error;
    }
    return Outcome::Run;
}
