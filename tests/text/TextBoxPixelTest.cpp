#include <GL/gl.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include "TextTestFont.h"
#include "support/GlContext.h"
#include "text/TextBox.h"
#include "text/TextStream.h"

namespace {

constexpr int W = 800, H = 600;
enum Shade { GREY, BLACK, RED, GREEN, OTHER };

// Writes the picture as a PPM when VELKAMIRE_TEXTBOX_SHOT names a file.
void SaveIfAsked(const std::vector<uint8_t>& rgb)
{
    const char* path = std::getenv("VELKAMIRE_TEXTBOX_SHOT");
    if (!path) return;
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << W << " " << H << "\n255\n";
    for (int y = H - 1; y >= 0; --y) out.write(reinterpret_cast<const char*>(&rgb[y * W * 3]), W * 3);
}

// The prompt as the level manager places it, glyphs drawn untextured (each
// fills its quad) so that the picture does not depend on the font image.
TEST(TextBoxPixelTest, PanelLabelAndTypedTextLandWhereTheyShould)
{
    GlContext gl;
    ASSERT_TRUE(gl.Ok());
    TestFont font;
    stext::TextStream stream(&font);
    TextBox box(&stream, 240);
    box.Open(250, 300, MBF_TEXT, "Enter Filename:", "");
    for (char c : std::string("lev2.dat")) box.KeyInput(uint8_t(c), true);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    box.Draw();
    box.Close();

    std::vector<uint8_t> rgb(W * H * 3);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    SaveIfAsked(rgb);
    auto shade = [&](int x, int y) {
        const uint8_t* p = &rgb[(y * W + x) * 3];
        if (p[0] == 128 && p[1] == 128 && p[2] == 128) return GREY;
        if (p[0] == 0 && p[1] == 0 && p[2] == 0) return BLACK;
        if (p[0] == 255 && p[1] == 0 && p[2] == 0) return RED;
        if (p[0] == 0 && p[1] == 255 && p[2] == 0) return GREEN;
        return OTHER;
    };
    // Where each shade may be: the panel spans x 250-490, y 268-300; the
    // label's 15 glyphs fill its top half; the text starts at 252.4 on the
    // bottom half and the bar covers x 314-318.
    auto expected = [](int x, int y) {
        if (x < 250 || x >= 490 || y < 268 || y >= 300) return GREY;
        if (y >= 284) return x < 250 + 15 * 8 ? RED : BLACK;
        return x >= 252 && x < 318 ? GREEN : BLACK;
    };
    int wrong = 0, counts[5] = {};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const Shade s = shade(x, y);
            ++counts[s];
            // Column 252 is shared by the panel and the first glyph's edge.
            if (s != expected(x, y) && x != 252) ++wrong;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(counts[RED], 15 * 8 * 16);
    EXPECT_GE(counts[GREEN], 65 * 16);
    EXPECT_EQ(shade(251, 276), BLACK) << "the text starts right of the panel edge";
}

} // namespace
