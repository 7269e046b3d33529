#include <gtest/gtest.h>
#include <fstream>
#include "Census.h"
#include "TextureBatches.h"
#include "support/TempDir.h"

namespace {

CensusQuad Quad(uint32_t texture, float x)
{
    CensusQuad q{};
    q.texture = texture;
    for (int i = 0; i < 4; ++i) {
        q.x[i] = x + i;
        q.y[i] = -0.5f * i;
        q.s[i] = 0.25f * i;
        q.t[i] = 1.0f - 0.25f * i;
    }
    q.colour[0] = 255;
    q.colour[3] = 128;
    return q;
}

TEST(Census, FramesReadBackAsWritten)
{
    TempDir dir;
    CensusWriter writer;
    ASSERT_TRUE(writer.Open(dir.File("c.bin")));
    CensusFrame empty{7, {}};
    CensusFrame two{8, {Quad(20, 400.0f), Quad(CensusQuad::NO_TEXTURE, -3.5f)}};
    writer.Write(empty);
    writer.Write(two);
    ASSERT_TRUE(writer.Finish());

    std::vector<CensusFrame> frames;
    std::string error;
    ASSERT_TRUE(ReadCensus(dir.File("c.bin"), frames, error)) << error;
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].frame, 7u);
    EXPECT_TRUE(frames[0].quads.empty());
    ASSERT_EQ(frames[1].quads.size(), 2u);
    const CensusQuad& q = frames[1].quads[1];
    EXPECT_EQ(q.texture, CensusQuad::NO_TEXTURE);
    EXPECT_EQ(q.colour[0], 255);
    EXPECT_EQ(q.colour[3], 128);
    EXPECT_FLOAT_EQ(q.x[3], -0.5f);
    EXPECT_FLOAT_EQ(q.y[2], -1.0f);
    EXPECT_FLOAT_EQ(q.s[1], 0.25f);
    EXPECT_FLOAT_EQ(q.t[3], 0.25f);
}

TEST(Census, CutOrForeignFilesAreRefused)
{
    TempDir dir;
    CensusWriter writer;
    ASSERT_TRUE(writer.Open(dir.File("c.bin")));
    writer.Write(CensusFrame{0, {Quad(1, 0.0f)}});
    ASSERT_TRUE(writer.Finish());
    std::ifstream in(dir.File("c.bin"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::vector<CensusFrame> frames;
    std::string error;
    EXPECT_FALSE(ReadCensus(dir.Write("cut.bin", bytes.substr(0, bytes.size() - 1)), frames, error));
    EXPECT_NE(error.find("not a whole draw census"), std::string::npos) << error;
    EXPECT_FALSE(ReadCensus(dir.Write("png.bin", "\x89PNG\r\n\x1a\n" + bytes), frames, error));
    EXPECT_FALSE(ReadCensus(dir.File("missing.bin"), frames, error));
    // A frame claiming more quads than any file holds.
    std::string huge = bytes.substr(0, bytes.size() - 80) + std::string("\0\0\0\0\xff\xff\xff\x7f", 8);
    EXPECT_FALSE(ReadCensus(dir.Write("huge.bin", huge), frames, error));
}

TEST(TextureBatches, OneBatchPerTextureInOrderOfFirstUse)
{
    CensusFrame frame{0, {Quad(20, 0), Quad(3, 1), Quad(1, 2), Quad(3, 3), Quad(20, 4), Quad(1, 5)}};
    std::vector<TextureBatch> batches = BatchByTexture(frame);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].texture, 20u);
    EXPECT_EQ(batches[1].texture, 3u);
    EXPECT_EQ(batches[2].texture, 1u);
    // Each batch keeps its quads in drawing order.
    ASSERT_EQ(batches[1].quads.size(), 2u);
    EXPECT_FLOAT_EQ(batches[1].quads[0].x[0], 1.0f);
    EXPECT_FLOAT_EQ(batches[1].quads[1].x[0], 3.0f);
    EXPECT_FLOAT_EQ(batches[0].quads[1].x[0], 4.0f);
}

}  // namespace
