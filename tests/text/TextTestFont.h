#pragma once
#include <vector>
#include "support/GlRecorder.h"
#include "text/Font.h"

// A font for layout tests, size 16: every glyph 8 wide except 'W' (16) and
// '|' (4).
struct TestFont : stext::Font {
    TestFont();
};

// One recorded glyph: texture coordinates and vertices of its four
// corners in drawing order, and the colour in force.
struct DrawnQuad {
    float tex[4][2];
    float vert[4][2];
    std::vector<float> color;
    float Left() const { return vert[0][0]; }
    float Top() const { return vert[3][1]; }
};

std::vector<DrawnQuad> RecordedQuads(const GlRecorder& recorder);
