#include "MemorySampler.h"
#include <malloc.h>
#include <unistd.h>

bool MemorySampler::Open(const std::string& path)
{
    out.open(path, std::ios::trunc);
    return out.is_open();
}

void MemorySampler::FrameDrawn(uint32_t frame)
{
    if (!out.is_open() || frame % EVERY != 0) return;
    out << frame << " " << ResidentKilobytes() << " " << HeapKilobytes() << "\n" << std::flush;
}

uint64_t ResidentKilobytes()
{
    // The second field of statm counts resident pages.
    std::ifstream statm("/proc/self/statm");
    uint64_t size = 0, resident = 0;
    if (!(statm >> size >> resident)) return 0;
    return resident * static_cast<uint64_t>(::sysconf(_SC_PAGESIZE)) / 1024;
}

uint64_t HeapKilobytes()
{
    struct mallinfo2 info = ::mallinfo2();
    return (info.uordblks + info.hblkhd) / 1024;
}
