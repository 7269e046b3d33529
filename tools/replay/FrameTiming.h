#pragma once
#include <cstdint>
#include <string>

// Times a run frame by frame for the timing mode: start-up up to the first
// frame finished (CPU time of the whole process, and wall time), then the
// frames from firstTimed on (CPU time of the game thread and the
// rasteriser), so that start-up and the first frames' one-time costs (the
// rasteriser compiling its shaders, first uploads) stay out of the
// per-frame figure.
class FrameTiming {
public:
    // Start-up counts from this construction on the wall clock and from
    // the start of the process on the CPU clock. firstTimed is at least 1.
    explicit FrameTiming(uint32_t firstTimed);

    // Called once a frame's drawing has been issued. The frame's commands
    // are finished by the next frame's swap, so from one call to the next
    // lies exactly one frame's work.
    void FrameDrawn(uint32_t frame);

    uint32_t TimedFrames() const { return timedFrames; }
    // One line of key=value pairs: frames; per frame cpu_ms, made of
    // thread_ms (the game thread) and raster_ms (the rasteriser), and
    // wall_ms; startup_cpu_ms, startup_wall_ms.
    std::string Report() const;

private:
    uint32_t firstTimed;
    double wallStart;
    double startupCpu = 0.0, startupWall = 0.0;
    struct Reading {
        double thread = 0.0, raster = 0.0, wall = 0.0;
    };
    Reading from, to;
    uint32_t timedFrames = 0;
};
