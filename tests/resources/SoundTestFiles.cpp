#include "SoundTestFiles.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vorbis/vorbisenc.h>

namespace {

double Tone(uint32_t frame, long rate) { return 0.5 * std::sin(2.0 * 3.14159265 * 440.0 * frame / rate); }

void PutLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Moves encoded packets into the stream and ready pages into the file;
// flush also forces out a partial page.
void WriteOut(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, FILE* file, bool flush)
{
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) ogg_stream_packetin(&stream, &packet);
    }
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        std::fwrite(page.header, 1, page.header_len, file);
        std::fwrite(page.body, 1, page.body_len, file);
    }
}

void EncodeTone(vorbis_info& info, FILE* file, int channels, long rate, float seconds)
{
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    ogg_packet headers[3];
    vorbis_comment_init(&comment);
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_init(&stream, 1);
    vorbis_analysis_headerout(&dsp, &comment, &headers[0], &headers[1], &headers[2]);
    for (ogg_packet& h : headers) ogg_stream_packetin(&stream, &h);
    WriteOut(dsp, block, stream, file, true);

    const uint32_t total = static_cast<uint32_t>(rate * seconds), chunk = 4096;
    for (uint32_t done = 0; done < total; done += chunk) {
        int count = static_cast<int>(std::min(chunk, total - done));
        float** buffer = vorbis_analysis_buffer(&dsp, count);
        for (int i = 0; i < count; ++i)
            for (int c = 0; c < channels; ++c) buffer[c][i] = static_cast<float>(Tone(done + i, rate));
        vorbis_analysis_wrote(&dsp, count);
        WriteOut(dsp, block, stream, file, false);
    }
    vorbis_analysis_wrote(&dsp, 0);
    WriteOut(dsp, block, stream, file, true);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
}

}  // namespace

std::string WavBytes(uint16_t channels, uint16_t bitsPerSample, uint32_t rate, uint32_t frames)
{
    const uint32_t frameBytes = channels * (bitsPerSample / 8u), dataBytes = frames * frameBytes;
    std::string out = "RIFF";
    PutLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    for (auto [value, bytes] : {std::pair<uint32_t, int>{16, 4}, {1, 2}, {channels, 2}, {rate, 4},
                                {rate * frameBytes, 4}, {frameBytes, 2}, {bitsPerSample, 2}})
        PutLittleEndian(out, value, bytes);
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (uint32_t f = 0; f < frames * channels; ++f) {
        double v = Tone(f / channels, rate);  // 8-bit samples are unsigned, 16-bit signed
        if (bitsPerSample == 8) PutLittleEndian(out, static_cast<uint32_t>(128 + 127 * v), 1);
        else PutLittleEndian(out, static_cast<uint32_t>(static_cast<int32_t>(32767 * v)), 2);
    }
    return out;
}

bool WriteOggTone(const std::string& path, int channels, long rate, float seconds)
{
    vorbis_info info;
    vorbis_info_init(&info);
    FILE* file = vorbis_encode_init_vbr(&info, channels, rate, 0.1f) == 0 ? std::fopen(path.c_str(), "wb") : nullptr;
    if (file) {
        EncodeTone(info, file, channels, rate, seconds);
        std::fclose(file);
    }
    vorbis_info_clear(&info);
    return file != nullptr;
}
