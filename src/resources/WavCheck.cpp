#include "resources/WavCheck.h"
#include <cstdint>

namespace {

uint32_t ReadLe32(const std::string& bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return v;
}

} // namespace

bool IsWholeWav(const std::string& bytes)
{
    constexpr size_t HEADER = 12;
    constexpr size_t CHUNK_HEADER = 8;
    if (bytes.size() < HEADER || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return false;
    bool haveFormat = false;
    size_t at = HEADER;
    while (at + CHUNK_HEADER <= bytes.size()) {
        std::string id = bytes.substr(at, 4);
        uint64_t length = ReadLe32(bytes, at + 4);
        if (at + CHUNK_HEADER + length > bytes.size()) return false;
        if (id == "fmt ") {
            if (length < 16) return false;
            haveFormat = true;
        } else if (id == "data") {
            return haveFormat;
        }
        // Chunks are padded to an even length.
        at += CHUNK_HEADER + length + (length & 1);
    }
    return false;
}
