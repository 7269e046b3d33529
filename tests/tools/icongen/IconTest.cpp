#include <gtest/gtest.h>
#include <filesystem>
#include <sstream>
#include "IconPicture.h"
#include "IconScale.h"
#include "IconSet.h"
#include "SvgImage.h"
#include "support/PngPixels.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const Rgba RED{200, 0, 0, 255};
const Rgba BLUE{0, 0, 200, 255};
const Rgba CLEAR{0, 0, 0, 0};

// A 2 x 2 picture: red and blue on top, clear and blue below.
Image Quarters()
{
    Image image(2, 2);
    image.At(0, 0) = RED;
    image.At(1, 0) = BLUE;
    image.At(0, 1) = CLEAR;
    image.At(1, 1) = BLUE;
    return image;
}

TEST(IconScale, WholeEnlargementsKeepHardEdges)
{
    Image big = ScaleIcon(Quarters(), 6);
    EXPECT_EQ(big.At(0, 0), RED);
    EXPECT_EQ(big.At(2, 2), RED);
    EXPECT_EQ(big.At(3, 0), BLUE);
    EXPECT_EQ(big.At(2, 3), CLEAR);
    EXPECT_EQ(big.At(5, 5), BLUE);
}

TEST(IconScale, ReductionsAverageByCoverageAndIgnoreClearColour)
{
    Image one = ScaleIcon(Quarters(), 1);
    // Three opaque quarters of four; the clear one adds no black.
    EXPECT_EQ(one.At(0, 0).a, 191);
    EXPECT_EQ(one.At(0, 0).r, 67);
    EXPECT_EQ(one.At(0, 0).b, 133);

    Image allClear(4, 4, CLEAR);
    EXPECT_EQ(ScaleIcon(allClear, 3).At(1, 1), CLEAR);
}

TEST(SvgImage, RunsOfOneColourShareARectangleAndClearPixelsAreLeftOut)
{
    std::string svg = EncodeSvg(Quarters());
    EXPECT_NE(svg.find("viewBox=\"0 0 2 2\""), std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"1\" height=\"1\" fill=\"#c80000\"/>"), std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"1\" y=\"1\" width=\"1\" height=\"1\" fill=\"#0000c8\"/>"), std::string::npos);
    EXPECT_EQ(svg.find("y=\"1\" width=\"1\" height=\"1\" fill=\"#000000\""), std::string::npos);

    Image row(3, 1, BLUE);
    row.At(2, 0) = Rgba{0, 0, 200, 128};
    std::string wide = EncodeSvg(row);
    EXPECT_NE(wide.find("<rect x=\"0\" y=\"0\" width=\"2\" height=\"1\" fill=\"#0000c8\"/>"), std::string::npos);
    EXPECT_NE(wide.find("fill-opacity=\"0.502\""), std::string::npos);
}

TEST(IconPicture, IsThePlayersFirstFrameWithATransparentKey)
{
    Image picture;
    std::string error;
    ASSERT_TRUE(MakeIconPicture(VELKAMIRE_ART_DIR, picture, error)) << error;
    ASSERT_EQ(picture.Width(), 32);
    ASSERT_EQ(picture.Height(), 32);
    EXPECT_EQ(picture.At(0, 0), CLEAR);
    EXPECT_EQ(picture.At(16, 20).a, 255);  // the body
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) EXPECT_NE(picture.At(x, y), KEY_COLOUR);

    TempDir dir;
    EXPECT_FALSE(MakeIconPicture(dir.Path().string(), picture, error));
    EXPECT_NE(error.find("player.pix"), std::string::npos);
}

TEST(IconSet, WritesEverySizeAndTheScalableIconIntoAThemeTree)
{
    TempDir dir;
    std::ostringstream err;
    ASSERT_EQ(WriteIconSet(Quarters(), dir.Path().string(), "game", err), 0) << err.str();
    for (int i = 0; i < ICON_SIZE_COUNT; ++i) {
        int size = ICON_SIZES[i];
        std::string name = std::to_string(size) + "x" + std::to_string(size);
        DecodedPng png = ReadPng(dir.File("hicolor/" + name + "/apps/game.png"));
        ASSERT_TRUE(png.ok) << name;
        EXPECT_EQ(png.width, size);
        EXPECT_EQ(png.height, size);
        EXPECT_EQ(png.rgba[3], 255) << name;                                       // red corner, opaque
        EXPECT_EQ(png.rgba[(static_cast<size_t>(size) * (size - 1)) * 4 + 3], 0) << name;  // clear corner
    }
    EXPECT_TRUE(fs::is_regular_file(dir.File("hicolor/scalable/apps/game.svg")));

    dir.Write("blocked", "");
    EXPECT_EQ(WriteIconSet(Quarters(), dir.File("blocked"), "game", err), 1);
    EXPECT_NE(err.str().find("could not write"), std::string::npos);
}

} // namespace
