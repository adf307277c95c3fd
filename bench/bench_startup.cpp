// Start-up probe: runs `shopowner --screenshot` several times offscreen and prints the time from
// process start until the first painted frame is saved as PNG and the program has exited (so an
// upper bound of start to first frame), and the peak resident memory of the runs.
// Usage: bench_startup [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {
// Milliseconds of one run, or a negative value when the run failed.
double runOnce(const QString& png) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(SHOPOWNER_BIN), {QStringLiteral("--screenshot"), png});
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fputs(process.readAllStandardError().constData(), stderr);
        return -1;
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return QFile::exists(png) ? ms : -1;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench_startup: no temporary folder\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = runOnce(dir.filePath(QStringLiteral("frame%1.png").arg(i)));
        if (ms < 0) {
            std::fprintf(stderr, "bench_startup: run %d of %s failed\n", i, SHOPOWNER_BIN);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);

    std::printf("start_to_first_frame_saved_median: %.1f ms\n", times[times.size() / 2]);
    std::printf("start_to_first_frame_saved_min: %.1f ms\n", times.front());
    std::printf("start_to_first_frame_saved_max: %.1f ms\n", times.back());
    std::printf("peak_resident_memory: %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
