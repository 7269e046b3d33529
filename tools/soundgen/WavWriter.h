#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

// The whole bytes of a mono 16-bit PCM WAV file with the canonical 44-byte
// header: RIFF chunk, a 16-byte "fmt " chunk, then the "data" chunk.
std::string MakeWav(const std::vector<int16_t>& samples, uint32_t rate);

} // namespace soundgen
