#include "FuzzSupport.h"
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include "shell/HeadlessPlatform.h"

namespace {

namespace fs = std::filesystem;

// Recording every box would grow without end over millions of inputs.
class QuietPlatform : public HeadlessPlatform {
public:
    void ShowMessageBox(const std::string&, const std::string&, MessageBoxIcon) override {}
};

QuietPlatform* platform = nullptr;
fs::path scratch;

void RemoveScratch()
{
    std::error_code ec;
    fs::current_path(scratch.parent_path(), ec);
    fs::remove_all(scratch, ec);
}

// Memory-backed when the system has it: inputs are written millions of
// times, and a disk file system may flush each rewrite.
fs::path ScratchParent()
{
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return fs::temp_directory_path();
}

// The quiet platform is installed and the folder made on first use.
const fs::path& Scratch()
{
    if (!platform) {
        platform = new QuietPlatform;
        SetPlatform(platform);
        scratch = ScratchParent() / ("velkamire-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(scratch / "Data/Levels");
        fs::create_directories(scratch / "Data/Speech");
        std::atexit(RemoveScratch);
    }
    return scratch;
}

} // namespace

void EnterFuzzScratch() { fs::current_path(Scratch()); }

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size)
{
    std::string path = (Scratch() / name).string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0) std::abort();
    return path;
}
