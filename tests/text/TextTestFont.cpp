#include "TextTestFont.h"
#include <gtest/gtest.h>
#include "support/TempDir.h"

TestFont::TestFont() : stext::Font(2, 16.0f)
{
    std::string widths(NUM_CHARS, char(8));
    widths['W' - FIRST_CHAR] = char(16);
    widths['|' - FIRST_CHAR] = char(4);
    TempDir dir;
    EXPECT_TRUE(Load(dir.Write("font.dat", widths)));
}

std::vector<DrawnQuad> RecordedQuads(const GlRecorder& recorder)
{
    std::vector<DrawnQuad> quads;
    std::vector<float> color;
    DrawnQuad q{};
    int corner = 0;
    for (const GlCall& c : recorder.Calls()) {
        if (c.name == "color") color = c.args;
        if (c.name == "texCoord") std::copy(c.args.begin(), c.args.end(), q.tex[corner]);
        if (c.name != "vertex") continue;
        std::copy(c.args.begin(), c.args.end(), q.vert[corner]);
        if (++corner < 4) continue;
        q.color = color;
        quads.push_back(q);
        corner = 0;
    }
    return quads;
}
