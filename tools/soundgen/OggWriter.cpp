#include "OggWriter.h"
#include <algorithm>
#include <vorbis/vorbisenc.h>

namespace soundgen {

namespace {

const int OGG_SERIAL = 0x564B4D55;  // fixed, for reproducible files
const size_t CHUNK_FRAMES = 4096;

// The encoder's state for one stream, freed in reverse order of set-up.
class VorbisStream {
public:
    VorbisStream() { vorbis_info_init(&info); }
    ~VorbisStream()
    {
        if (started) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
            vorbis_comment_clear(&comment);
        }
        vorbis_info_clear(&info);
    }

    bool Start(int rate, float quality, std::string& bytes)
    {
        if (vorbis_encode_init_vbr(&info, 2, rate, quality) != 0) return false;
        vorbis_comment_init(&comment);
        vorbis_comment_add_tag(&comment, "TITLE", "Velkamire");
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, OGG_SERIAL);
        started = true;
        ogg_packet header, commentHeader, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codebooks);
        ogg_stream_packetin(&stream, &header);
        ogg_stream_packetin(&stream, &commentHeader);
        ogg_stream_packetin(&stream, &codebooks);
        // The audio must begin on a page of its own.
        ogg_page page;
        while (ogg_stream_flush(&stream, &page)) Append(page, bytes);
        return true;
    }

    void Write(const StereoBuffer& music, size_t first, size_t count, std::string& bytes)
    {
        float** channels = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        std::copy_n(music.left.begin() + first, count, channels[0]);
        std::copy_n(music.right.begin() + first, count, channels[1]);
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        Drain(bytes);
    }

    void Finish(std::string& bytes)
    {
        vorbis_analysis_wrote(&dsp, 0);
        Drain(bytes);
        ogg_page page;
        while (ogg_stream_flush(&stream, &page)) Append(page, bytes);
    }

private:
    static void Append(const ogg_page& page, std::string& bytes)
    {
        bytes.append(reinterpret_cast<const char*>(page.header), page.header_len);
        bytes.append(reinterpret_cast<const char*>(page.body), page.body_len);
    }

    void Drain(std::string& bytes)
    {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) Append(page, bytes);
            }
        }
    }

    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool started = false;
};

} // namespace

bool EncodeOgg(const StereoBuffer& music, int rate, float quality, std::string& bytes, std::string& error)
{
    bytes.clear();
    VorbisStream encoder;
    if (!encoder.Start(rate, quality, bytes)) {
        error = "the Vorbis encoder refused rate " + std::to_string(rate) + " and quality " + std::to_string(quality);
        return false;
    }
    for (size_t first = 0; first < music.Frames(); first += CHUNK_FRAMES)
        encoder.Write(music, first, std::min(CHUNK_FRAMES, music.Frames() - first), bytes);
    encoder.Finish(bytes);
    return true;
}

} // namespace soundgen
