#pragma once
#include <cstdint>
#include <map>
#include <string>

struct ReplayOptions {
    std::string dataDir = ".";
    bool framesGiven = false;
    uint32_t frames = 0;
    uint32_t frameMs = 10;
    std::string traceFile;
    uint32_t traceEvery = 1;
    std::multimap<uint32_t, std::string> screenshots;  // frame -> PNG path
    std::string scriptFile;
    bool randomGiven = false;
    uint64_t randomSeed = 0;  // --random: seeded random input instead of a script
    std::string rssFile;      // --rss: samples of the resident memory
    bool help = false;
    // Timing mode: CPU time per frame from this frame on (0: off).
    uint32_t timingFrom = 0;
    std::string censusFile;
};

// Parses the command line; false with a message for bad arguments.
bool ParseReplayOptions(int argc, char** argv, ReplayOptions& options, std::string& error);

extern const char* const REPLAY_USAGE;
// What each option and the script do, shown after the usage by --help.
extern const char* const REPLAY_HELP;
