#include "CpuClock.h"
#include <sys/types.h>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<clockid_t> rasterisers;

double Read(clockid_t clock)
{
    timespec now{};
    if (clock_gettime(clock, &now) != 0) return 0.0;
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// The CPU clock of another thread of this process, as Linux numbers it
// (what pthread_getcpuclockid gives for a thread of one's own).
clockid_t ThreadClock(pid_t tid) { return clockid_t((~unsigned(tid) << 3) | 6u); }

} // namespace

void FindRasteriserThreads()
{
    rasterisers.clear();
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        if (name.rfind("llvmpipe", 0) != 0) continue;
        rasterisers.push_back(ThreadClock(pid_t(std::stol(task.path().filename().string()))));
    }
}

double ThreadCpuMs() { return Read(CLOCK_THREAD_CPUTIME_ID); }

double RasteriserCpuMs()
{
    double total = 0.0;
    for (clockid_t clock : rasterisers) total += Read(clock);
    return total;
}

double ProcessCpuMs() { return Read(CLOCK_PROCESS_CPUTIME_ID); }
double WallMs() { return Read(CLOCK_MONOTONIC); }
