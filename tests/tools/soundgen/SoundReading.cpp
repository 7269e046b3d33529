#include "SoundReading.h"
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vorbis/vorbisfile.h>

namespace {

struct MemoryFile {
    const std::string* bytes;
    size_t pos;
};

size_t ReadMemory(void* out, size_t size, size_t count, void* source)
{
    MemoryFile* file = static_cast<MemoryFile*>(source);
    size_t n = std::min(size * count, file->bytes->size() - file->pos);
    std::memcpy(out, file->bytes->data() + file->pos, n);
    file->pos += n;
    return size ? n / size : 0;
}

} // namespace

std::vector<int16_t> DecodedOgg::Channel(int c) const
{
    std::vector<int16_t> out;
    for (size_t i = c; i < samples.size(); i += channels) out.push_back(samples[i]);
    return out;
}

DecodedOgg DecodeOgg(const std::string& bytes)
{
    DecodedOgg result;
    MemoryFile file{&bytes, 0};
    ov_callbacks callbacks{ReadMemory, nullptr, nullptr, nullptr};
    OggVorbis_File vf;
    if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0) return result;
    vorbis_info* info = ov_info(&vf, -1);
    result.channels = info->channels;
    result.rate = info->rate;
    char piece[32768];
    int bitstream = 0;
    long got;
    std::string pcm;
    while ((got = ov_read(&vf, piece, sizeof piece, 0, 2, 1, &bitstream)) > 0) pcm.append(piece, got);
    ov_clear(&vf);
    result.samples.resize(pcm.size() / 2);
    std::memcpy(result.samples.data(), pcm.data(), result.samples.size() * 2);
    result.ok = got == 0;
    return result;
}

int SeamRoughness(const std::vector<int16_t>& before, const std::vector<int16_t>& after)
{
    std::vector<int> joined;
    for (size_t i = before.size() - 2; i < before.size(); ++i) joined.push_back(before[i]);
    joined.push_back(after[0]);
    joined.push_back(after[1]);
    int worst = 0;
    for (size_t i = 2; i < joined.size(); ++i)
        worst = std::max(worst, std::abs(joined[i] - 2 * joined[i - 1] + joined[i - 2]));
    return worst;
}

int RoughnessPercentile(const std::vector<int16_t>& x, double fraction)
{
    std::vector<int> d;
    for (size_t i = 2; i < x.size(); ++i) d.push_back(std::abs(x[i] - 2 * x[i - 1] + x[i - 2]));
    size_t k = static_cast<size_t>(fraction * (d.size() - 1));
    std::nth_element(d.begin(), d.begin() + k, d.end());
    return d[k];
}
