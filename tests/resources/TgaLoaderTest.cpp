#include <gtest/gtest.h>
#include <cstdio>
#include "TgaWriter.h"
#include "resources/TgaLoader.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace {

const uint32_t RED = 0xFF0000FF, GREEN = 0x00FF0080, BLUE = 0x0000FF40;

// The decoded pixels in hex, a space between pixels, or the message boxes
// shown when loading failed.
std::string LoadName(const std::string& name, TextureImage& image)
{
    ScopedHeadlessPlatform platform;
    bool ok = LoadTGA(image, name);
    EXPECT_EQ(ok, image.pixels != nullptr);
    std::string out;
    for (const std::string& box : platform.Boxes()) out += (out.empty() ? "" : " | ") + box;
    for (uint64_t i = 0; ok && i < image.PixelCount() * image.BytesPerPixel(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, i && i % image.BytesPerPixel() == 0 ? " %02x" : "%02x", image.pixels[i]);
        out += hex;
    }
    return out;
}

std::string Load(const std::string& bytes)
{
    TempDir dir;
    TextureImage image;
    return LoadName(dir.Write("image.tga", bytes), image);
}

TEST(TgaLoader, DecodesBothTypesAndDepthsToRgbInFileRowOrder)
{
    TempDir dir;
    TextureImage image;
    // A top-left origin in the descriptor changes nothing.
    std::string name = dir.Write("a.tga", TgaHeader(2, 3, 1, 32, 0x20) + TgaPixels({RED, GREEN, BLUE}, 32));
    EXPECT_EQ(LoadName(name, image), "ff0000ff 00ff0080 0000ff40");
    EXPECT_EQ(image.width * 10 + image.height, 31u);
    EXPECT_EQ(image.format, GLenum(GL_RGBA));
    EXPECT_EQ(Load(TgaHeader(2, 1, 2, 24) + TgaPixels({RED, BLUE}, 24)), "ff0000 0000ff");

    for (uint8_t bits : {24, 32}) {
        std::string packets = "\x01" + TgaPixels({RED, GREEN}, bits) + "\x82" + TgaPixels({BLUE}, bits) + '\0' +
                              TgaPixels({RED}, bits);
        EXPECT_EQ(Load(TgaHeader(10, 2, 3, bits) + packets),
                  bits == 24 ? "ff0000 00ff00 0000ff 0000ff 0000ff ff0000"
                             : "ff0000ff 00ff0080 0000ff40 0000ff40 0000ff40 ff0000ff");
    }
    EXPECT_EQ(Load(TgaHeader(10, 2, 2, 24) + "\x83" + TgaPixels({GREEN}, 24)), "00ff00 00ff00 00ff00 00ff00");
}

TEST(TgaLoader, RefusesBadHeadersAndPacketsReachingPastTheImage)
{
    std::string image = TgaHeader(2, 1, 1, 24) + TgaPixels({RED}, 24);
    // Image-ID length, colour map, other types, colour map fields, origin.
    for (auto [at, value] : {std::pair{0, 1}, {1, 1}, {2, 1}, {2, 3}, {2, 9}, {2, 11}, {5, 4}, {8, 1}}) {
        std::string bad = image;
        bad[at] = char(value);
        EXPECT_EQ(Load(bad), "Invalid Image: TGA file be type 2 or type 10 ") << at << "=" << value;
    }
    for (std::string header : {TgaHeader(2, 0, 1, 24), TgaHeader(10, 1, 0, 24), TgaHeader(2, 1, 1, 16)})
        EXPECT_EQ(Load(header + TgaPixels({RED}, 32)), "ERROR: Invalid texture information");
    // 16 GiB of pixels is never attempted.
    for (uint8_t type : {2, 10})
        EXPECT_EQ(Load(TgaHeader(type, 65535, 65535, 32) + "\xFF" + TgaPixels({RED}, 32)),
                  "ERROR: Could not allocate memory for image");

    std::string rle = TgaHeader(10, 2, 2, 24);
    for (std::string packets : {"\x84" + TgaPixels({RED}, 24), "\x04" + TgaPixels({RED, RED, RED, RED, RED}, 24),
                                "\x82" + TgaPixels({RED}, 24) + "\x81" + TgaPixels({RED}, 24)})
        EXPECT_EQ(Load(rle + packets), "ERROR: Too many pixels read");
}

TEST(TgaLoader, NamesTheStageThatFailed)
{
    std::string rle = TgaHeader(10, 4, 1, 24);
    EXPECT_EQ(Load(""), "ERROR: Could not read file header");
    EXPECT_EQ(Load(TgaHeader(2, 1, 1, 24).substr(0, 17)), "ERROR: Could not read info header");
    EXPECT_EQ(Load(TgaHeader(2, 2, 1, 24) + TgaPixels({RED}, 24) + "\x01"), "ERROR: Could not read image data");
    EXPECT_EQ(Load(rle + "\x81" + TgaPixels({RED}, 24)), "ERROR: Could not read RLE header");
    EXPECT_EQ(Load(rle + "\x02" + TgaPixels({RED, RED}, 24)), "ERROR: Could not read image data");
    EXPECT_EQ(Load(rle + "\x83\x01\x02"), "ERROR: Could not read from file");

    TextureImage image;
    EXPECT_EQ(LoadName("no/such.tga", image), "ERROR: Could not open texture file");
    EXPECT_EQ(LoadName("*missing.tga", image), "ERROR: Could not find resource | ERROR: Could not load from resource");
    EXPECT_EQ(LoadName("*empty.bin", image), "ERROR: Could not load from resource");
    EXPECT_EQ(LoadName("*list.txt", image), "Invalid Image: TGA file be type 2 or type 10 ");  // read, not an image
}

} // namespace
