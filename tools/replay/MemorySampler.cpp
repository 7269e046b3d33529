#include "MemorySampler.h"
#include <unistd.h>

bool MemorySampler::Open(const std::string& path)
{
    out.open(path, std::ios::trunc);
    return out.is_open();
}

void MemorySampler::FrameDrawn(uint32_t frame)
{
    if (out.is_open() && frame % EVERY == 0) out << frame << " " << ResidentKilobytes() << "\n" << std::flush;
}

uint64_t ResidentKilobytes()
{
    // The second field of statm counts resident pages.
    std::ifstream statm("/proc/self/statm");
    uint64_t size = 0, resident = 0;
    if (!(statm >> size >> resident)) return 0;
    return resident * static_cast<uint64_t>(::sysconf(_SC_PAGESIZE)) / 1024;
}
