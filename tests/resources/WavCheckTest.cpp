#include <gtest/gtest.h>
#include <string>
#include "resources/WavCheck.h"

namespace {

std::string Le32(uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }

std::string Chunk(const std::string& id, const std::string& body)
{
    std::string c = id + Le32(uint32_t(body.size())) + body;
    if (body.size() % 2) c += '\0';
    return c;
}

std::string Wav(const std::string& chunks) { return "RIFF" + Le32(uint32_t(4 + chunks.size())) + "WAVE" + chunks; }

const std::string FORMAT = Chunk("fmt ", std::string(16, '\x01'));

TEST(WavCheck, WholeFilesPassAndEveryCutIsRefused)
{
    std::string wav = Wav(FORMAT + Chunk("LIST", "odd") + Chunk("data", std::string(10, '\x7f')));
    EXPECT_TRUE(IsWholeWav(wav));
    for (size_t cut = 0; cut < wav.size(); ++cut)
        EXPECT_FALSE(IsWholeWav(wav.substr(0, cut))) << "cut at " << cut;
}

TEST(WavCheck, RefusesFilesThatAreNotWaveOrLackItsChunks)
{
    EXPECT_FALSE(IsWholeWav("RIFX" + Le32(4) + "WAVE"));
    EXPECT_FALSE(IsWholeWav(Wav(Chunk("data", "ab") + FORMAT)));            // data before format
    EXPECT_FALSE(IsWholeWav(Wav(FORMAT)));                                   // no data
    EXPECT_FALSE(IsWholeWav(Wav(Chunk("fmt ", std::string(14, 'x')) + Chunk("data", "ab"))));
    // A chunk whose size runs past the end, however large.
    EXPECT_FALSE(IsWholeWav(Wav(FORMAT) + "data" + Le32(0xFFFFFFFFu) + "ab"));
}

}  // namespace
