#include "ReplayOptions.h"
#include <cstdlib>

const char* const REPLAY_USAGE =
    "usage: velkamire-replay [--data DIR] [--frames N] [--frame-ms MS] [--trace FILE]\n"
    "                        [--trace-every K] [--screenshot FRAME:FILE.png]...\n"
    "                        [--timing FROM | --census FILE] [SCRIPT]\n"
    "       velkamire-replay --random SEED --frames N [--rss FILE] [options]\n";

namespace {

bool ParseCount(const std::string& text, uint32_t& value, uint32_t minimum)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9)
        return false;
    value = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    return value >= minimum;
}

// A timed run does nothing but play: tracing, screenshots and the census
// would be timed with it.
bool CheckTimingAlone(const ReplayOptions& o, std::string& error)
{
    if (o.timingFrom == 0) return true;
    if (!o.traceFile.empty() || !o.screenshots.empty() || !o.censusFile.empty()) {
        error = "--timing runs without --trace, --screenshot or --census";
        return false;
    }
    return true;
}

} // namespace

bool ParseReplayOptions(int argc, char** argv, ReplayOptions& o, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--data") {
            if (!value(o.dataDir)) { error = "--data needs a directory"; return false; }
        } else if (arg == "--frames") {
            if (!value(v) || !ParseCount(v, o.frames, 0)) { error = "--frames needs a number"; return false; }
            o.framesGiven = true;
        } else if (arg == "--frame-ms") {
            if (!value(v) || !ParseCount(v, o.frameMs, 1)) { error = "--frame-ms needs a number of at least 1"; return false; }
        } else if (arg == "--trace") {
            if (!value(o.traceFile)) { error = "--trace needs a file"; return false; }
        } else if (arg == "--trace-every") {
            if (!value(v) || !ParseCount(v, o.traceEvery, 1)) { error = "--trace-every needs a number of at least 1"; return false; }
        } else if (arg == "--screenshot") {
            size_t colon;
            uint32_t frame = 0;
            if (!value(v) || (colon = v.find(':')) == std::string::npos ||
                !ParseCount(v.substr(0, colon), frame, 0) || colon + 1 >= v.size()) {
                error = "--screenshot needs FRAME:FILE.png";
                return false;
            }
            o.screenshots.emplace(frame, v.substr(colon + 1));
        } else if (arg == "--random") {
            uint32_t seed = 0;
            if (!value(v) || !ParseCount(v, seed, 0)) { error = "--random needs a seed number"; return false; }
            o.randomSeed = seed;
            o.randomGiven = true;
        } else if (arg == "--rss") {
            if (!value(o.rssFile)) { error = "--rss needs a file"; return false; }
        } else if (arg == "--timing") {
            if (!value(v) || !ParseCount(v, o.timingFrom, 1)) { error = "--timing needs a frame of at least 1"; return false; }
        } else if (arg == "--census") {
            if (!value(o.censusFile)) { error = "--census needs a file"; return false; }
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return false;
        } else if (o.scriptFile.empty()) {
            o.scriptFile = arg;
        } else {
            error = "only one script may be given";
            return false;
        }
    }
    if (o.randomGiven && (!o.framesGiven || !o.scriptFile.empty())) {
        error = "--random needs --frames and no script";
        return false;
    }
    return CheckTimingAlone(o, error);
}

const char* const REPLAY_HELP =
    "\n"
    "Runs the whole game headless on a virtual clock, with input from SCRIPT\n"
    "(a file, or - for standard input).\n"
    "\n"
    "  --data DIR            the game's data directory (default: the current one)\n"
    "  --frames N            frames to run (default: one past the script's last line)\n"
    "  --frame-ms MS         each frame's time until the script's first elapsed line\n"
    "                        (default 10)\n"
    "  --trace FILE          write one JSON object per frame (JSON Lines)\n"
    "  --trace-every K       keep every K-th frame of the trace and the last\n"
    "  --screenshot F:FILE   save what frame F drew as a PNG; may repeat\n"
    "  --random SEED         seeded random input instead of a script (needs --frames)\n"
    "  --rss FILE            write the resident memory every 100 frames\n"
    "  --timing FROM         timing mode: print the CPU time per frame of the frames\n"
    "                        from FROM on, and the start-up time (no trace, no screenshots)\n"
    "  --census FILE         write every quad each frame drew, for velkamire-glprobe\n"
    "  --help                show this help and exit\n"
    "\n"
    "Script lines: F key VK, F keyup VK, F hold VK N, F char CODE, F type TEXT,\n"
    "F click left|right X Y, F move X Y, F elapsed MS, F deactivate, F activate,\n"
    "F minimize, F restore [W H], F close. The README describes them.\n";
