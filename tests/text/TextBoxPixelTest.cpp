#include <GL/gl.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include "TextTestFont.h"
#include "support/GlContext.h"
#include "text/TextBox.h"
#include "text/TextStream.h"

namespace {

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
const Rgb GREY{128, 128, 128}, BLACK{0, 0, 0}, RED{255, 0, 0}, GREEN{0, 255, 0};

struct Rect {
    int left, bottom, right, top;  // pixels, right and top excluded
    bool Holds(int x, int y) const { return x >= left && x < right && y >= bottom && y < top; }
};

class Screen {
public:
    Screen() : pixels(W * H * 3) { glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, pixels.data()); }
    // (x, y) in playfield pixels, y upward like the projection.
    Rgb At(int x, int y) const
    {
        const uint8_t* p = &pixels[(y * W + x) * 3];
        return {p[0], p[1], p[2]};
    }
    int Count(Rgb c) const { return CountWhere(c, [](int, int) { return true; }); }
    template <typename F>
    int CountWhere(Rgb c, F where) const
    {
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (At(x, y) == c && where(x, y)) ++n;
        return n;
    }
    // A look at the picture when asked for: VELKAMIRE_TEXTBOX_SHOT=file.ppm.
    void SaveIfAsked() const
    {
        const char* path = std::getenv("VELKAMIRE_TEXTBOX_SHOT");
        if (!path) return;
        std::ofstream out(path, std::ios::binary);
        out << "P6\n" << W << " " << H << "\n255\n";
        for (int y = H - 1; y >= 0; --y) out.write(reinterpret_cast<const char*>(&pixels[y * W * 3]), W * 3);
    }

private:
    static constexpr int W = 800, H = 600;
    std::vector<uint8_t> pixels;
};

// Draws the prompt as the level manager places it, with plain untextured
// glyphs (every glyph fills its quad) so that the picture does not depend
// on the font image.
TEST(TextBoxPixelTest, PanelLabelAndTypedTextLandWhereTheyShould)
{
    GlContext gl;
    ASSERT_TRUE(gl.Ok());
    TestFont font;  // glyphs 8 pixels wide, '|' 4, size 16
    stext::TextStream stream(&font);
    TextBox box(&stream, 240);
    box.Open(250, 300, MBF_TEXT, "Enter Filename:", "");
    for (char c : std::string("lev2.dat")) box.KeyInput(uint8_t(c), true);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    box.Draw();
    glFinish();
    Screen screen;
    screen.SaveIfAsked();
    box.Close();

    const Rect panel{250, 268, 490, 300};
    const Rect label{250, 284, 250 + 15 * 8, 300};
    const Rect input{252, 268, 253 + 8 * 8 + 4, 284};  // text from 252.4, bar at 314
    // Red only on the label line, green only on the input line.
    EXPECT_EQ(screen.CountWhere(RED, [&](int x, int y) { return !label.Holds(x, y); }), 0);
    EXPECT_EQ(screen.CountWhere(GREEN, [&](int x, int y) { return !input.Holds(x, y); }), 0);
    EXPECT_EQ(screen.Count(RED), 15 * 8 * 16);
    EXPECT_GE(screen.Count(GREEN), 8 * 8 * 16);
    EXPECT_EQ(screen.At(254, 292), RED);
    EXPECT_EQ(screen.At(256, 276), GREEN);
    EXPECT_EQ(screen.At(316, 270), GREEN) << "the cursor bar after the text";
    EXPECT_EQ(screen.At(251, 276), BLACK) << "the text starts a little right of the panel edge";
    EXPECT_EQ(screen.At(480, 290), BLACK);
    EXPECT_EQ(screen.At(400, 270), BLACK);
    // Nothing outside the panel changes.
    EXPECT_EQ(screen.CountWhere(BLACK, [&](int x, int y) { return !panel.Holds(x, y); }), 0);
    EXPECT_EQ(screen.At(249, 290), GREY);
    EXPECT_EQ(screen.At(490, 290), GREY);
    EXPECT_EQ(screen.At(300, 267), GREY);
    EXPECT_EQ(screen.At(300, 300), GREY);
}

} // namespace
