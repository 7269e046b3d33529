#include "TextTestFont.h"
#include <gtest/gtest.h>
#include "support/TempDir.h"

TestFont::TestFont(float size) : stext::Font(2, size)
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
        if (c.name == "texCoord") {
            q.tex[corner][0] = c.args[0];
            q.tex[corner][1] = c.args[1];
        }
        if (c.name != "vertex") continue;
        q.vert[corner][0] = c.args[0];
        q.vert[corner][1] = c.args[1];
        if (++corner == 4) {
            q.color = color;
            quads.push_back(q);
            corner = 0;
        }
    }
    return quads;
}
