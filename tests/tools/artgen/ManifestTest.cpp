#include <gtest/gtest.h>
#include "ArtBuilder.h"
#include "Manifest.h"
#include "TgaDecode.h"
#include "support/TempDir.h"

namespace {

TEST(Manifest, LinesBecomeTextureListEntriesInIdOrder)
{
    ManifestResult m = ParseManifest(
        "# textures\n"
        "0 a.pix a.tga rle 24 -k -s\n"
        "\n"
        "1 @panel p.tga raw 32 -r\n"
        "2 extern font.tga raw 24 -g\n",
        "m");
    ASSERT_TRUE(m.ok) << m.error;
    ASSERT_EQ(m.entries.size(), 3u);
    EXPECT_EQ(m.entries[0].encoding, TgaEncoding::Rle);
    EXPECT_EQ(m.entries[1].bits, 32);
    EXPECT_EQ(TextureList(m.entries),
              "-k -s Data/Textures/a.tga\n"
              "-r Data/Textures/p.tga\n"
              "-g Data/Textures/font.tga");
}

TEST(Manifest, MistakesAreReportedWithTheirLine)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"0 a.pix a.tga raw 24\n2 b.pix b.tga raw 24\n", "m:2: id 2 out of order, expected 1"},
        {"0 a.pix a.tga raw 32 -k\n", "m:1: option -k needs a 24-bit image"},
        {"0 a.pix a.tga raw 24 -x\n", "m:1: unknown option -x"},
        {"0 a.pix a.tga zip 24\n", "m:1: encoding must be raw or rle, not 'zip'"},
        {"0 a.pix a.tga\n", "m:1: expected: id source output encoding bits [-option ...]"},
    };
    for (const Case& c : cases) {
        ManifestResult m = ParseManifest(c.text, "m");
        EXPECT_FALSE(m.ok) << c.text;
        EXPECT_EQ(m.error, c.error);
    }
}

TEST(BuildArt, WritesTexturesAndTheList)
{
    TempDir art, data;
    art.Write("textures.manifest", "0 a.pix a.tga rle 24 -k\n1 @particle dot.tga raw 24 -g\n2 extern f.tga raw 24\n");
    art.Write("a.pix", "sheet 2 1 1 1\nkey .\ncolour x 9 8 7\nframe 0\n.x\n");
    std::ostringstream err;
    ASSERT_EQ(BuildArt(art.Path().string(), data.Path().string(), err), 0) << err.str();
    EXPECT_EQ(ReadWholeFile(data.File("textures.txt")), "-k Data/Textures/a.tga\n-g Data/Textures/dot.tga\nData/Textures/f.tga");
    DecodedTga a = DecodeTga(ReadWholeFile(data.File("Data/Textures/a.tga")));
    ASSERT_TRUE(a.ok) << a.error;
    EXPECT_EQ(a.image.At(0, 0), KEY_COLOUR);
    EXPECT_EQ(a.image.At(1, 0), (Rgba{9, 8, 7, 255}));
    EXPECT_TRUE(DecodeTga(ReadWholeFile(data.File("Data/Textures/dot.tga"))).ok);
}

TEST(BuildArt, FailsWithTheMessageAndWritesNoList)
{
    TempDir art, data;
    art.Write("textures.manifest", "0 a.pix a.tga rle 24 -k\n1 b.pix b.tga rle 24\n2 @nothing c.tga raw 24\n");
    art.Write("a.pix", "sheet 2 1 1 1\nkey .\nframe 0\n.x\n");
    std::ostringstream err;
    EXPECT_EQ(BuildArt(art.Path().string(), data.Path().string(), err), 1);
    // Every bad entry is reported, not just the first.
    EXPECT_NE(err.str().find("a.pix:4: 'x' is not in the palette"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("could not read"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("no painter called @nothing"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(data.File("textures.txt")));

    std::ostringstream noManifest;
    EXPECT_EQ(BuildArt(data.Path().string(), art.Path().string(), noManifest), 1);
    EXPECT_NE(noManifest.str().find("textures.manifest"), std::string::npos);
}

} // namespace
