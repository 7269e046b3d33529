#pragma once
#include <string>
#include <vector>
#include "support/GlRecorder.h"
#include "text/Font.h"

// A font for layout tests: every glyph 8 raw units wide (half a cell)
// except 'W', a full cell, and '|', 4 units.
struct TestFont : stext::Font {
    explicit TestFont(float size = 16.0f);
};

// One drawn glyph as recorded: its four texture coordinates and vertices
// in drawing order and the colour in force.
struct DrawnQuad {
    float tex[4][2];
    float vert[4][2];
    std::vector<float> color;
    float Left() const { return vert[0][0]; }
    float Top() const { return vert[3][1]; }
    float Width() const { return vert[1][0] - vert[0][0]; }
};

std::vector<DrawnQuad> RecordedQuads(const GlRecorder& recorder);
