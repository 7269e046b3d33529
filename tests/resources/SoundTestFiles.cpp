#include "SoundTestFiles.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vorbis/vorbisenc.h>

namespace {

constexpr double TONE_HZ = 440.0;
constexpr double PI = 3.14159265358979;

double Tone(uint32_t frame, uint32_t rate) { return 0.5 * std::sin(2.0 * PI * TONE_HZ * frame / rate); }

void PutLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Writes every page the stream has ready; flush forces out a partial one.
void WritePages(ogg_stream_state& stream, FILE* file, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        std::fwrite(page.header, 1, page.header_len, file);
        std::fwrite(page.body, 1, page.body_len, file);
    }
}

void DrainEncoder(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, FILE* file)
{
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            WritePages(stream, file, false);
        }
    }
}

void EncodeTone(vorbis_info& info, FILE* file, int channels, long rate, float seconds)
{
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    vorbis_comment_init(&comment);
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_init(&stream, 1);

    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    WritePages(stream, file, true);

    const uint32_t total = static_cast<uint32_t>(rate * seconds);
    const uint32_t chunk = 4096;
    for (uint32_t done = 0; done < total; done += chunk) {
        uint32_t count = std::min(chunk, total - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (uint32_t i = 0; i < count; ++i)
            for (int c = 0; c < channels; ++c) buffer[c][i] = static_cast<float>(Tone(done + i, rate));
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        DrainEncoder(dsp, block, stream, file);
    }
    vorbis_analysis_wrote(&dsp, 0);
    DrainEncoder(dsp, block, stream, file);
    WritePages(stream, file, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
}

}  // namespace

std::string WavBytes(uint16_t channels, uint16_t bitsPerSample, uint32_t rate, uint32_t frames)
{
    const uint32_t sampleBytes = bitsPerSample / 8;
    const uint32_t dataBytes = frames * channels * sampleBytes;
    std::string out = "RIFF";
    PutLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, channels, 2);
    PutLittleEndian(out, rate, 4);
    PutLittleEndian(out, rate * channels * sampleBytes, 4);
    PutLittleEndian(out, channels * sampleBytes, 2);
    PutLittleEndian(out, bitsPerSample, 2);
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (uint32_t f = 0; f < frames; ++f) {
        // 8-bit WAV samples are unsigned, 16-bit ones signed.
        double v = Tone(f, rate);
        uint32_t sample = sampleBytes == 1 ? static_cast<uint32_t>(128 + 127 * v)
                                           : static_cast<uint32_t>(static_cast<int32_t>(32767 * v));
        for (uint16_t c = 0; c < channels; ++c) PutLittleEndian(out, sample, static_cast<int>(sampleBytes));
    }
    return out;
}

bool WriteOggTone(const std::string& path, int channels, long rate, float seconds)
{
    vorbis_info info;
    vorbis_info_init(&info);
    bool ok = vorbis_encode_init_vbr(&info, channels, rate, 0.1f) == 0;
    FILE* file = ok ? std::fopen(path.c_str(), "wb") : nullptr;
    if (file) {
        EncodeTone(info, file, channels, rate, seconds);
        std::fclose(file);
    }
    vorbis_info_clear(&info);
    return file != nullptr;
}
