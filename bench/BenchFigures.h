#pragma once

#include <algorithm>
#include <ctime>
#include <sys/resource.h>
#include <vector>

// Figures the benchmark programs print.
namespace BenchFigures {

inline double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(fraction * double(values.size())));
    return values[index];
}

// CPU time of the calling thread: what a frame cost, without the waits for the processor.
inline double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

inline double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace BenchFigures
