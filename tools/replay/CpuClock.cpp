#include "CpuClock.h"
#include <ctime>

namespace {

double Read(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

} // namespace

double ProcessCpuMs() { return Read(CLOCK_PROCESS_CPUTIME_ID); }
double WallMs() { return Read(CLOCK_MONOTONIC); }
