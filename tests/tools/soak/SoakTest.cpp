// Seeded random input on one shipped level (VELKAMIRE_SOAK_LEVEL, set by
// ctest for each test Soak.<level>): the game must run every frame without
// a crash or a sanitizer report, and its memory must stay flat.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include "resources/WholeFile.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Growth allowed between the end of the warm-up (a quarter of the run) and
// the peak: caches fill early; a leak keeps growing. The resident figure
// also holds the software renderer's compiled code and pages the allocator
// keeps; the heap counts only blocks allocated and not freed, so a list
// that only grows shows there first. Under the headless driver each window
// opened again (F11) leaves about 12 kB of the libraries' heap behind.
constexpr uint64_t FLAT_RESIDENT_KILOBYTES = 8 * 1024;
constexpr uint64_t FLAT_HEAP_KILOBYTES = 4 * 1024;

uint32_t Setting(const char* name, uint32_t fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? static_cast<uint32_t>(std::strtoul(value, nullptr, 10)) : fallback;
}

// Each level has its own seed unless one is given, so a failing run can be
// repeated exactly.
uint32_t SeedOf(const std::string& level)
{
    uint32_t hash = 2166136261u;
    for (char c : level) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return Setting("VELKAMIRE_SOAK_SEED", hash % 1000000000u);
}

struct Sample {
    uint32_t frame;
    uint64_t resident;  // kilobytes
    uint64_t heap;      // kilobytes
};

std::vector<Sample> ReadSamples(const fs::path& file)
{
    std::vector<Sample> samples;
    std::ifstream in(file);
    for (Sample s{}; in >> s.frame >> s.resident >> s.heap;) samples.push_back(s);
    return samples;
}

// One column's figures: at the start, at the end of the warm-up, the peak
// after it and at the end.
struct Figures {
    uint64_t start = 0, warm = 0, peak = 0, end = 0;

    uint64_t Growth() const { return peak - std::min(peak, warm); }
    std::string Text() const
    {
        return "at the start " + std::to_string(start) + ", after warm-up " + std::to_string(warm) + ", peak " +
               std::to_string(peak) + ", at the end " + std::to_string(end);
    }
};

Figures Summarize(const std::vector<Sample>& samples, uint64_t Sample::*column)
{
    Figures f;
    size_t warm = samples.size() / 4;
    f.start = samples.front().*column;
    f.warm = samples[warm].*column;
    f.end = samples.back().*column;
    for (size_t i = warm; i < samples.size(); ++i) f.peak = std::max(f.peak, samples[i].*column);
    return f;
}

bool Sanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

TEST(Soak, RandomInputOnAShippedLevel)
{
    const char* level = std::getenv("VELKAMIRE_SOAK_LEVEL");
    ASSERT_TRUE(level && *level) << "run through ctest as Soak.<level>, which names the level";
    uint32_t frameMs = Setting("VELKAMIRE_SOAK_FRAME_MS", SOAK_FRAME_MS);
    uint32_t frames = Setting("VELKAMIRE_SOAK_SECONDS", SOAK_SECONDS) * 1000 / frameMs;
    uint32_t seed = SeedOf(level);

    TempDir dir;
    fs::copy(VELKAMIRE_DATA_DIR, dir.Path() / "data", fs::copy_options::recursive);
    ASSERT_TRUE(fs::exists(dir.Path() / "data/Data/Levels" / level)) << level;
    std::ofstream(dir.Path() / "data/Data/Levels/save.dat") << level;
    std::string command = std::string(REPLAY_TOOL) + " --data " + dir.File("data") + " --random " +
                          std::to_string(seed) + " --frames " + std::to_string(frames) + " --frame-ms " +
                          std::to_string(frameMs) + " --rss " + dir.File("rss.txt") + " --trace " +
                          dir.File("trace.jsonl") + " --trace-every " + std::to_string(frames) + " >/dev/null 2>" +
                          dir.File("stderr.txt");
    int status = std::system(command.c_str());
    std::string errors = ReadWholeFile(dir.File("stderr.txt"));
    std::string run = std::string(level) + ", seed " + std::to_string(seed) + ", " + std::to_string(frames) +
                      " frames of " + std::to_string(frameMs) + " ms";
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << run << "\n" << errors;
    EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
    // The run used up its frames: the game never ended by itself.
    std::string trace = ReadWholeFile(dir.File("trace.jsonl"));
    EXPECT_NE(trace.find("\"ended\":false}\n"), std::string::npos) << run;
    EXPECT_EQ(trace.find("\"ended\":true"), std::string::npos) << run;

    std::vector<Sample> samples = ReadSamples(dir.File("rss.txt"));
    ASSERT_GE(samples.size(), 4u) << run;
    Figures resident = Summarize(samples, &Sample::resident), heap = Summarize(samples, &Sample::heap);
    std::printf("%s: resident kB %s; heap kB %s\n", run.c_str(), resident.Text().c_str(), heap.Text().c_str());
    // The sanitizer's own allocator holds freed memory back and keeps the
    // C library's figures at nothing, so its runs say nothing about either.
    if (!Sanitized()) {
        EXPECT_LE(resident.Growth(), FLAT_RESIDENT_KILOBYTES) << run;
        EXPECT_LE(heap.Growth(), FLAT_HEAP_KILOBYTES) << run;
    }
}

}  // namespace
