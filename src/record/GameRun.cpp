#include "record/GameRun.h"
#include <cstdio>
#include "record/PlayWatcher.h"
#include "record/ScriptRecorder.h"
#include "record/TraceWriter.h"
#include "shell/GameDriver.h"
#include "shell/GameOptions.h"
#include "shell/Shell.h"

namespace {

bool Report(bool written, const std::string& path)
{
    if (!written) std::fprintf(stderr, "velkamire: could not write %s\n", path.c_str());
    return written;
}

} // namespace

int RunGame(Platform& platform, GameDriver& driver, const GameOptions& options)
{
    if (options.recordFile.empty() && options.traceFile.empty()) return RunProgram(platform, driver);

    TraceWriter trace;
    ScriptRecorder recorder;
    if (!options.traceFile.empty() && !Report(trace.Open(options.traceFile, 1), options.traceFile)) return 2;
    if (!options.recordFile.empty() && !Report(recorder.Open(options.recordFile), options.recordFile)) return 2;

    int code;
    {
        PlayWatcher watcher(driver, trace.IsOpen() ? &trace : nullptr, recorder.IsOpen() ? &recorder : nullptr);
        code = RunProgram(platform, driver);
    }
    // The game stops only by ending, so the trace's last frame ended it.
    bool traced = Report(trace.Finish(true), options.traceFile);
    bool recorded = Report(recorder.Finish(), options.recordFile);
    return code == 0 && !(traced && recorded) ? 1 : code;
}
