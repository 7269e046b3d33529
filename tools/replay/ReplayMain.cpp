// velkamire-replay: runs the whole game headless from a script of input
// events or seeded random input, writing a trace of every frame, screenshots
// and samples of its memory on request, or timing its frames.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include "DrawCensus.h"
#include "FrameTiming.h"
#include "MemorySampler.h"
#include "PngWriter.h"
#include "RandomInput.h"
#include "ReplayOptions.h"
#include "ReplayScript.h"
#include "record/PlayWatcher.h"
#include "record/TraceWriter.h"
#include "resources/WholeFile.h"
#include "shell/GameDriver.h"
#include "shell/HeadlessPlatform.h"
#include "shell/Shell.h"

namespace {

namespace fs = std::filesystem;

void SaveScreenshots(const ReplayOptions& options, uint32_t frame)
{
    auto range = options.screenshots.equal_range(frame);
    for (auto it = range.first; it != range.second; ++it)
        if (!SaveFramebufferPng(it->second, 800, 600))
            std::fprintf(stderr, "velkamire-replay: could not write %s\n", it->second.c_str());
}

std::string Absolute(const std::string& path) { return path.empty() ? path : fs::absolute(path).string(); }

bool ReadScript(const ReplayOptions& options, ReplayScript& script)
{
    const std::string& path = options.scriptFile;
    std::string text;
    if (options.randomGiven) {
        text = RandomReplayScript(options.randomSeed, options.frames);
    } else if (!path.empty() && !ReadWholeFile(path == "-" ? "/dev/stdin" : path, text)) {
        std::fprintf(stderr, "velkamire-replay: cannot read script %s\n", path.c_str());
        return false;
    }
    std::string error;
    if (!ParseReplayScript(text, script, error)) {
        std::fprintf(stderr, "velkamire-replay: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    ReplayOptions options;
    std::optional<FrameTiming> timing;
    std::string error;
    if (!ParseReplayOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "velkamire-replay: %s\n%s", error.c_str(), REPLAY_USAGE);
        return 2;
    }
    if (options.help) {
        std::printf("%s%s", REPLAY_USAGE, REPLAY_HELP);
        return 0;
    }
    if (options.timingFrom) timing.emplace(options.timingFrom);
    // Paths on the command line are the caller's, not the data directory's.
    options.traceFile = Absolute(options.traceFile);
    options.rssFile = Absolute(options.rssFile);
    options.censusFile = Absolute(options.censusFile);
    if (options.scriptFile != "-") options.scriptFile = Absolute(options.scriptFile);
    for (auto& shot : options.screenshots) shot.second = Absolute(shot.second);

    ReplayScript script;
    if (!ReadScript(options, script)) return 2;
    std::error_code ec;
    fs::current_path(options.dataDir, ec);
    if (ec) {
        std::fprintf(stderr, "velkamire-replay: cannot enter %s\n", options.dataDir.c_str());
        return 2;
    }

    TraceWriter trace;
    if (!options.traceFile.empty() && !trace.Open(options.traceFile, options.traceEvery)) {
        std::fprintf(stderr, "velkamire-replay: cannot write %s\n", options.traceFile.c_str());
        return 2;
    }

    MemorySampler memory;
    if (!options.rssFile.empty() && !memory.Open(options.rssFile)) {
        std::fprintf(stderr, "velkamire-replay: cannot write %s\n", options.rssFile.c_str());
        return 2;
    }
    DrawCensus census;
    if (!options.censusFile.empty() && !census.Open(options.censusFile)) {
        std::fprintf(stderr, "velkamire-replay: cannot write %s\n", options.censusFile.c_str());
        return 2;
    }

    // Replays need no sound card; a capture can still name a backend.
    setenv("ALSOFT_DRIVERS", "null", 0);
    HeadlessPlatform platform(options.frameMs);
    SetPlatform(&platform);
    for (const ScriptEvent& e : script.events) platform.QueueInput(e.frame, e.message);
    for (const auto& time : script.frameTimes) platform.SetFrameTime(time.first, time.second);
    platform.SetFrameLimit(options.framesGiven ? options.frames : (script.empty() ? 1 : script.lastFrame + 1));

    static GameDriver driver;
    int code;
    {
        PlayWatcher watcher(driver, trace.IsOpen() ? &trace : nullptr, nullptr);
        watcher.afterDraw = [&](uint32_t frame) {
            SaveScreenshots(options, frame);
            memory.FrameDrawn(frame);
            if (!options.censusFile.empty()) census.FrameDrawn(frame);
            if (timing) timing->FrameDrawn(frame);
        };
        code = RunProgram(platform, driver);
    }
    if (!census.Finish()) {
        std::fprintf(stderr, "velkamire-replay: could not write %s\n", options.censusFile.c_str());
        return 1;
    }
    if (timing) {
        if (timing->TimedFrames() == 0) {
            std::fprintf(stderr, "velkamire-replay: no frame from %u on was run\n", options.timingFrom);
            return 1;
        }
        std::printf("%s\n", timing->Report().c_str());
    }
    if (!trace.Finish(!platform.StoppedByLimit())) {
        std::fprintf(stderr, "velkamire-replay: could not write %s\n", options.traceFile.c_str());
        return 1;
    }
    return code == 0 ? 0 : 1;
}
