#include "FrameTiming.h"
#include <GL/gl.h>
#include <cstdio>
#include "CpuClock.h"

FrameTiming::FrameTiming(uint32_t firstTimed) : firstTimed(firstTimed < 1 ? 1 : firstTimed), wallStart(WallMs()) {}

void FrameTiming::FrameDrawn(uint32_t frame)
{
    if (frame == 0) {
        // Start-up ends with the first picture complete.
        glFinish();
        startupCpu = ProcessCpuMs();
        startupWall = WallMs() - wallStart;
        FindRasteriserThreads();
    }
    double cpu = FrameWorkCpuMs(), wall = WallMs();
    if (frame + 1 == firstTimed) {
        cpuFrom = cpu;
        wallFrom = wall;
    } else if (frame >= firstTimed) {
        cpuTo = cpu;
        wallTo = wall;
        ++timedFrames;
    }
}

std::string FrameTiming::Report() const
{
    double n = timedFrames ? double(timedFrames) : 1.0;
    char line[200];
    std::snprintf(line, sizeof line, "frames=%u cpu_ms=%.4f wall_ms=%.4f startup_cpu_ms=%.2f startup_wall_ms=%.2f",
                  timedFrames, (cpuTo - cpuFrom) / n, (wallTo - wallFrom) / n, startupCpu, startupWall);
    return line;
}
