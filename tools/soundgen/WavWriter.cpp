#include "WavWriter.h"

namespace soundgen {

namespace {

// WAV fields are little-endian whatever the machine.
void PutLE(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string MakeWav(const std::vector<int16_t>& samples, uint32_t rate)
{
    const uint32_t channels = 1, bytesPerSample = 2;
    const uint32_t dataSize = static_cast<uint32_t>(samples.size()) * bytesPerSample;
    std::string out;
    out.reserve(44 + dataSize);
    out += "RIFF";
    PutLE(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);                                  // fmt chunk size
    PutLE(out, 1, 2);                                   // PCM
    PutLE(out, channels, 2);
    PutLE(out, rate, 4);
    PutLE(out, rate * channels * bytesPerSample, 4);    // byte rate
    PutLE(out, channels * bytesPerSample, 2);           // block align
    PutLE(out, 8 * bytesPerSample, 2);                  // bits per sample
    out += "data";
    PutLE(out, dataSize, 4);
    for (int16_t s : samples) PutLE(out, static_cast<uint16_t>(s), 2);
    return out;
}

} // namespace soundgen
