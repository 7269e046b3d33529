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
    Reading now{ThreadCpuMs(), RasteriserCpuMs(), WallMs()};
    if (frame + 1 == firstTimed) {
        from = now;
    } else if (frame >= firstTimed) {
        to = now;
        ++timedFrames;
    }
}

std::string FrameTiming::Report() const
{
    double n = timedFrames ? double(timedFrames) : 1.0;
    double thread = (to.thread - from.thread) / n, raster = (to.raster - from.raster) / n;
    char line[240];
    std::snprintf(line, sizeof line,
                  "frames=%u cpu_ms=%.4f thread_ms=%.4f raster_ms=%.4f wall_ms=%.4f startup_cpu_ms=%.2f "
                  "startup_wall_ms=%.2f",
                  timedFrames, thread + raster, thread, raster, (to.wall - from.wall) / n, startupCpu, startupWall);
    return line;
}
