#include <gtest/gtest.h>
#include "TgaDecode.h"
#include "TgaWriter.h"

namespace {

// Packs pixel codes into an image `width` wide: equal codes, equal pixels;
// alpha varies with the code so 32-bit files must keep it.
Image Picture(const std::vector<int>& codes, int width)
{
    Image image(width, static_cast<int>(codes.size()) / width);
    for (size_t i = 0; i < codes.size(); ++i) {
        auto c = static_cast<uint8_t>(codes[i]);
        image.At(static_cast<int>(i) % width, static_cast<int>(i) / width) = Rgba{c, uint8_t(c * 3), 200, uint8_t(255 - c)};
    }
    return image;
}

std::vector<int> Packets(const Image& image, int bits = 24)
{
    DecodedTga tga = DecodeTga(EncodeTga(image, TgaEncoding::Rle, bits));
    EXPECT_TRUE(tga.ok) << tga.error;
    return tga.packets;
}

TEST(TgaWriter, EveryKindDecodesBackToThePictureWithRowsBottomUp)
{
    std::vector<int> codes;
    for (int i = 0; i < 900; ++i) codes.push_back(i < 300 ? i % 256 : i < 450 ? 1 : i % 7);
    Image picture = Picture(codes, 300);
    for (TgaEncoding encoding : {TgaEncoding::Raw, TgaEncoding::Rle}) {
        for (int bits : {24, 32}) {
            SCOPED_TRACE(std::to_string(bits) + (encoding == TgaEncoding::Rle ? " rle" : " raw"));
            std::string bytes = EncodeTga(picture, encoding, bits);
            std::string header("\0\0\2\0\0\0\0\0\0\0\0\0", 12);
            header[2] = encoding == TgaEncoding::Rle ? 10 : 2;
            EXPECT_EQ(bytes.substr(0, 12), header);
            EXPECT_EQ(bytes[17], bits == 32 ? 8 : 0);  // alpha bits; bottom-left origin
            DecodedTga tga = DecodeTga(bytes);
            ASSERT_TRUE(tga.ok) << tga.error;
            ASSERT_EQ(tga.image.Width(), 300);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 300; ++x) {
                    Rgba want = picture.At(x, y);
                    if (bits == 24) want.a = 255;
                    ASSERT_EQ(tga.image.At(x, y), want) << x << "," << y;
                }
        }
    }
    // The first pixel stored is the bottom row's first (code 5): blue, green, red, alpha.
    EXPECT_EQ(EncodeTga(picture, TgaEncoding::Raw, 32).substr(18, 4), std::string("\xc8\x0f\x05\xfa", 4));
}

TEST(TgaWriter, RlePacketsAreRunsForRepeatsRawOtherwiseAndStopAtRowEnds)
{
    EXPECT_EQ(Packets(Picture({7, 7, 7, 1, 2, 5, 5}, 7)), (std::vector<int>{-3, 2, -2}));
    EXPECT_EQ(Packets(Picture(std::vector<int>(15, 4), 5)), (std::vector<int>{-5, -5, -5}));
    // A 24-bit file drops alpha: pixels differing only there make one run.
    Image alphaOnly(4, 1, Rgba{9, 9, 9, 255});
    alphaOnly.At(2, 0).a = 0;
    EXPECT_EQ(Packets(alphaOnly, 24), (std::vector<int>{-4}));
    EXPECT_EQ(Packets(alphaOnly, 32), (std::vector<int>{-2, 2}));
}

TEST(TgaWriter, RlePacketsHoldAtMost128Pixels)
{
    EXPECT_EQ(Packets(Picture(std::vector<int>(300, 42), 300)), (std::vector<int>{-128, -128, -44}));
    std::vector<int> distinct;
    for (int i = 0; i < 130; ++i) distinct.push_back(i);
    EXPECT_EQ(Packets(Picture(distinct, 130)), (std::vector<int>{128, 2}));
}

} // namespace
