#include <gtest/gtest.h>
#include "TgaWriter.h"
#include "resources/TgaLoader.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace {

using Boxes = std::vector<std::string>;
const uint32_t RED = 0xFF0000FF, GREEN = 0x00FF0080, BLUE = 0x0000FF40, GREY = 0x12345678;

struct Loaded {
    bool ok = false;
    TextureImage image;
    std::string pixels;  // decoded bytes, empty when nothing was kept
    Boxes boxes;
};

Loaded LoadName(const std::string& name)
{
    ScopedHeadlessPlatform platform;
    Loaded result;
    result.ok = LoadTGA(result.image, name);
    const TextureImage& image = result.image;
    EXPECT_EQ(result.ok, image.pixels != nullptr);
    if (image.pixels)
        result.pixels.assign(reinterpret_cast<const char*>(image.pixels.get()),
                             image.PixelCount() * image.BytesPerPixel());
    result.boxes = platform.Boxes();
    return result;
}

Loaded LoadBytes(const std::string& bytes)
{
    TempDir dir;
    return LoadName(dir.Write("image.tga", bytes));
}

// The file bytes and the decoded bytes of a row of pixels.
std::string Stored(std::initializer_list<uint32_t> pixels, uint8_t bits)
{
    std::string out;
    for (uint32_t p : pixels) out += TgaPixel(p, bits);
    return out;
}

std::string Decoded(std::initializer_list<uint32_t> pixels, uint8_t bits)
{
    std::string out;
    for (uint32_t p : pixels) out += DecodedPixel(p, bits);
    return out;
}

TEST(TgaLoader, UncompressedPixelsAreSwappedToRgbAndKeepFileRowOrder)
{
    for (uint8_t bits : {24, 32}) {
        // A top-left origin in the descriptor changes nothing.
        Loaded r = LoadBytes(TgaHeader(2, 3, 2, bits, 0x20) + Stored({RED, GREEN, BLUE, GREY, RED, GREY}, bits));
        ASSERT_TRUE(r.ok) << int(bits);
        EXPECT_EQ(r.pixels, Decoded({RED, GREEN, BLUE, GREY, RED, GREY}, bits));
        EXPECT_EQ(r.image.width, 3u);
        EXPECT_EQ(r.image.height, 2u);
        EXPECT_EQ(r.image.bitsPerPixel, bits);
        EXPECT_EQ(r.image.format, bits == 24 ? GLenum(GL_RGB) : GLenum(GL_RGBA));
        EXPECT_TRUE(r.boxes.empty());
    }
}

TEST(TgaLoader, RunLengthPacketsExpandRawAndRunPixels)
{
    for (uint8_t bits : {24, 32}) {
        std::string packets = "\x01" + Stored({RED, GREEN}, bits) + "\x82" + Stored({BLUE}, bits) +
                              std::string(1, '\0') + Stored({GREY}, bits);
        Loaded r = LoadBytes(TgaHeader(10, 3, 2, bits) + packets);
        ASSERT_TRUE(r.ok) << int(bits);
        EXPECT_EQ(r.pixels, Decoded({RED, GREEN, BLUE, BLUE, BLUE, GREY}, bits));
    }
    Loaded run = LoadBytes(TgaHeader(10, 2, 2, 24) + "\x83" + Stored({GREEN}, 24));
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.pixels, Decoded({GREEN, GREEN, GREEN, GREEN}, 24));
}

TEST(TgaLoader, PacketsReachingPastTheImageAreRefused)
{
    std::string header = TgaHeader(10, 2, 2, 24);
    for (std::string packets : {"\x84" + Stored({RED}, 24),                                  // run of 5
                                "\x04" + Stored({RED, RED, RED, RED, RED}, 24),              // raw of 5
                                "\x82" + Stored({RED}, 24) + "\x81" + Stored({BLUE}, 24)}) {  // 3 then 2
        Loaded r = LoadBytes(header + packets);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.boxes, Boxes{"ERROR: Too many pixels read"});
    }
}

TEST(TgaLoader, OnlyPlainTrueColourHeadersAreAccepted)
{
    std::string image = TgaHeader(2, 1, 1, 24) + Stored({RED}, 24);
    // Image-ID length, colour map type, other image types, colour map
    // fields, origin.
    std::vector<std::pair<size_t, char>> changes = {{0, 1}, {1, 1},  {2, 1}, {2, 3},
                                                    {2, 9}, {2, 11}, {5, 4}, {8, 1}};
    for (auto [offset, value] : changes) {
        std::string bad = image;
        bad[offset] = value;
        Loaded r = LoadBytes(bad);
        EXPECT_FALSE(r.ok) << offset << "=" << int(value);
        EXPECT_EQ(r.boxes, Boxes{"Invalid Image: TGA file be type 2 or type 10 "});
    }
}

TEST(TgaLoader, UnusableSizesAndDepthsAreRefused)
{
    for (std::string header : {TgaHeader(2, 0, 1, 24), TgaHeader(10, 1, 0, 24), TgaHeader(2, 1, 1, 16),
                               TgaHeader(2, 1, 1, 8)}) {
        EXPECT_EQ(LoadBytes(header + Stored({RED}, 32)).boxes, Boxes{"ERROR: Invalid texture information"});
    }
    // 16 GiB of pixels is never attempted, whatever the data that follows.
    for (uint8_t type : {2, 10}) {
        Loaded r = LoadBytes(TgaHeader(type, 65535, 65535, 32) + "\xFF" + Stored({RED}, 32));
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.boxes, Boxes{"ERROR: Could not allocate memory for image"});
    }
}

TEST(TgaLoader, TruncatedFilesNameTheStageThatRanOut)
{
    std::string rle = TgaHeader(10, 4, 1, 24);
    std::vector<std::pair<std::string, std::string>> cases = {
        {"", "Could not read file header"},
        {TgaHeader(2, 1, 1, 24).substr(0, 11), "Could not read file header"},
        {TgaHeader(2, 1, 1, 24).substr(0, 17), "Could not read info header"},
        {TgaHeader(2, 2, 1, 24) + Stored({RED}, 24) + "\x01\x02", "Could not read image data"},
        {rle + "\x81" + Stored({RED}, 24), "Could not read RLE header"},
        {rle + "\x02" + Stored({RED, GREEN}, 24) + "\x01", "Could not read image data"},
        {rle + "\x83\x01\x02", "Could not read from file"},
    };
    for (const auto& [bytes, message] : cases) {
        Loaded r = LoadBytes(bytes);
        EXPECT_FALSE(r.ok) << message;
        EXPECT_EQ(r.boxes, Boxes{"ERROR: " + message});
    }
}

TEST(TgaLoader, NamesThatCannotBeOpenedAreReported)
{
    TempDir dir;
    EXPECT_EQ(LoadName(dir.File("missing.tga")).boxes, Boxes{"ERROR: Could not open texture file"});
    EXPECT_EQ(LoadName("").boxes, Boxes{"ERROR: Could not open texture file"});
    EXPECT_EQ(LoadName("*missing.tga").boxes,
              (Boxes{"ERROR: Could not find resource", "ERROR: Could not load from resource"}));
    EXPECT_EQ(LoadName("*empty.bin").boxes, Boxes{"ERROR: Could not load from resource"});
    // An embedded resource is read: this one is a text list, not an image.
    EXPECT_EQ(LoadName("*list.txt").boxes, Boxes{"Invalid Image: TGA file be type 2 or type 10 "});
}

} // namespace
