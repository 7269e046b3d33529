#include <gtest/gtest.h>
#include "TgaDecode.h"
#include "TgaWriter.h"
#include "support/TempDir.h"

namespace {

// A picture with distinct rows and columns, part-transparent pixels and
// stretches of equal pixels, so both packet kinds appear.
Image SamplePicture()
{
    Image image(300, 3);
    for (int x = 0; x < 300; ++x) {
        image.At(x, 0) = Rgba{static_cast<uint8_t>(x), 10, 200, static_cast<uint8_t>(255 - x % 256)};
        image.At(x, 1) = x < 150 ? Rgba{1, 2, 3, 4} : Rgba{static_cast<uint8_t>(x / 3), 0, 0, 255};
        image.At(x, 2) = Rgba{255, 255, static_cast<uint8_t>(x % 7), 128};
    }
    return image;
}

Image Opaque(Image image)
{
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) image.At(x, y).a = 255;
    return image;
}

void ExpectSameImage(const Image& a, const Image& b)
{
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            ASSERT_TRUE(a.At(x, y) == b.At(x, y)) << "pixel " << x << "," << y;
}

TEST(TgaWriter, EveryKindDecodesBackToThePicture)
{
    Image picture = SamplePicture();
    for (TgaEncoding encoding : {TgaEncoding::Raw, TgaEncoding::Rle}) {
        for (int bits : {24, 32}) {
            SCOPED_TRACE(std::to_string(bits) + (encoding == TgaEncoding::Rle ? " rle" : " raw"));
            DecodedTga tga = DecodeTga(EncodeTga(picture, encoding, bits));
            ASSERT_TRUE(tga.ok) << tga.error;
            EXPECT_EQ(tga.type, encoding == TgaEncoding::Rle ? 10 : 2);
            EXPECT_EQ(tga.bits, bits);
            ExpectSameImage(tga.image, bits == 32 ? picture : Opaque(picture));
        }
    }
}

TEST(TgaWriter, HeaderIsOneTheGameAcceptsAndRowsGoBottomUp)
{
    Image picture(300, 2, Rgba{0, 0, 0, 255});
    picture.At(0, 1) = Rgba{10, 20, 30, 40};  // bottom-left on screen
    std::string raw = EncodeTga(picture, TgaEncoding::Raw, 32);
    EXPECT_EQ(raw.substr(0, 12), std::string("\0\0\2\0\0\0\0\0\0\0\0\0", 12));
    EXPECT_EQ(static_cast<uint8_t>(raw[12]) | static_cast<uint8_t>(raw[13]) << 8, 300);
    EXPECT_EQ(static_cast<uint8_t>(raw[14]) | static_cast<uint8_t>(raw[15]) << 8, 2);
    EXPECT_EQ(raw[16], 32);
    EXPECT_EQ(raw[17], 8);  // eight alpha bits, bottom-left origin
    // The first pixel stored is the bottom row's first, blue green red alpha.
    EXPECT_EQ(raw.substr(18, 4), std::string("\x1e\x14\x0a\x28", 4));
    EXPECT_EQ(raw.size(), 18u + 300 * 2 * 4);

    std::string rle = EncodeTga(picture, TgaEncoding::Rle, 24);
    EXPECT_EQ(rle.substr(0, 12), std::string("\0\0\x0a\0\0\0\0\0\0\0\0\0", 12));
    EXPECT_EQ(rle[16], 24);
    EXPECT_EQ(rle[17], 0);
}

// Packs a row of pixel codes into a one-row image: equal codes, equal pixels.
Image Row(const std::vector<int>& codes)
{
    Image image(static_cast<int>(codes.size()), 1);
    for (size_t i = 0; i < codes.size(); ++i)
        image.At(static_cast<int>(i), 0) = Rgba{static_cast<uint8_t>(codes[i]), 0, 0, 255};
    return image;
}

TEST(TgaWriter, RlePacketsAreRunsForRepeatsAndRawOtherwise)
{
    DecodedTga tga = DecodeTga(EncodeTga(Row({7, 7, 7, 1, 2, 5, 5}), TgaEncoding::Rle, 24));
    ASSERT_TRUE(tga.ok) << tga.error;
    EXPECT_EQ(tga.packets, (std::vector<int>{-3, 2, -2}));

    // A 24-bit file drops alpha, so pixels differing only in alpha still
    // make one run.
    Image alphaOnly(4, 1, Rgba{9, 9, 9, 255});
    alphaOnly.At(2, 0).a = 0;
    EXPECT_EQ(DecodeTga(EncodeTga(alphaOnly, TgaEncoding::Rle, 24)).packets, (std::vector<int>{-4}));
    EXPECT_EQ(DecodeTga(EncodeTga(alphaOnly, TgaEncoding::Rle, 32)).packets, (std::vector<int>{-2, 2}));

    // Packets stop at each row's end, so every row decodes on its own.
    Image flat(5, 3, Rgba{4, 4, 4, 255});
    EXPECT_EQ(DecodeTga(EncodeTga(flat, TgaEncoding::Rle, 24)).packets, (std::vector<int>{-5, -5, -5}));
}

TEST(TgaWriter, RlePacketsHoldAtMost128Pixels)
{
    DecodedTga runs = DecodeTga(EncodeTga(Row(std::vector<int>(300, 42)), TgaEncoding::Rle, 24));
    ASSERT_TRUE(runs.ok) << runs.error;
    EXPECT_EQ(runs.packets, (std::vector<int>{-128, -128, -44}));

    std::vector<int> distinct;
    for (int i = 0; i < 130; ++i) distinct.push_back(i);
    Image raw = Row(distinct);
    DecodedTga raws = DecodeTga(EncodeTga(raw, TgaEncoding::Rle, 24));
    ASSERT_TRUE(raws.ok) << raws.error;
    EXPECT_EQ(raws.packets, (std::vector<int>{128, 2}));
    ExpectSameImage(raws.image, raw);
}

TEST(TgaWriter, WriteBinaryFileMakesTheFolder)
{
    TempDir dir;
    std::string path = dir.File("deeper/x.tga");
    ASSERT_TRUE(WriteBinaryFile(path, std::string("a\0b", 3)));
    EXPECT_EQ(ReadWholeFile(path), std::string("a\0b", 3));
    EXPECT_FALSE(WriteBinaryFile("/proc/no-such-dir/x.tga", "x"));
}

} // namespace
