#include <gtest/gtest.h>
#include "resources/QuadDrawing.h"
#include "support/GlRecorder.h"

namespace {

// One corner as drawn: texture coordinate, then vertex.
struct Corner {
    float s, t, x, y;
    bool operator==(const Corner& o) const { return s == o.s && t == o.t && x == o.x && y == o.y; }
};

std::ostream& operator<<(std::ostream& out, const Corner& c)
{
    return out << "(" << c.s << "," << c.t << " @ " << c.x << "," << c.y << ")";
}

// The corners of the one quad recorded, checking that it is a single
// GL_QUADS begin/end pair with a texture coordinate before every vertex.
std::vector<Corner> DrawnCorners(const GlRecorder& recorder)
{
    const std::vector<GlCall>& calls = recorder.Calls();
    std::vector<Corner> corners;
    EXPECT_EQ(calls.size(), 10u);
    if (calls.size() != 10u) return corners;
    EXPECT_EQ(calls.front().name, "begin");
    EXPECT_EQ(calls.front().args, std::vector<float>{float(GL_QUADS)});
    EXPECT_EQ(calls.back().name, "end");
    for (size_t i = 1; i + 1 < calls.size(); i += 2) {
        EXPECT_EQ(calls[i].name, "texCoord");
        EXPECT_EQ(calls[i + 1].name, "vertex");
        corners.push_back({calls[i].args[0], calls[i].args[1], calls[i + 1].args[0], calls[i + 1].args[1]});
    }
    return corners;
}

using Corners = std::vector<Corner>;

TEST(QuadDrawing, DrawQuadTruncatesItsCentreTowardZero)
{
    GlRecorder recorder;
    DrawQuad(400.7f, 300.2f, 800, 600);
    EXPECT_EQ(DrawnCorners(recorder), (Corners{{0, 0, 0, 0}, {1, 0, 800, 0}, {1, 1, 800, 600}, {0, 1, 0, 600}}));

    recorder.Clear();
    DrawQuad(-10.5f, 20.9f, 5, 3);  // centre (-10, 20); half sizes are not rounded
    EXPECT_EQ(DrawnCorners(recorder),
              (Corners{{0, 0, -12.5f, 18.5f}, {1, 0, -7.5f, 18.5f}, {1, 1, -7.5f, 21.5f}, {0, 1, -12.5f, 21.5f}}));
}

TEST(QuadDrawing, TiledQuadRepeatsPerTileFromItsExactCentre)
{
    GlRecorder recorder;
    DrawTiledQuad(40.5f, 20, 64, 32, 16);
    EXPECT_EQ(DrawnCorners(recorder),
              (Corners{{0, 0, 8.5f, 4}, {4, 0, 72.5f, 4}, {4, 2, 72.5f, 36}, {0, 2, 8.5f, 36}}));
}

TEST(QuadDrawing, FramesCountFromTheTopLeftCell)
{
    struct Case {
        uint32_t frame, columns, rows;
        float u0, u1, vBottom, vTop;
    };
    for (Case c : {Case{0, 2, 2, 0, 0.5f, 0.5f, 1}, Case{1, 2, 2, 0.5f, 1, 0.5f, 1}, Case{2, 2, 2, 0, 0.5f, 0, 0.5f},
                   Case{3, 2, 2, 0.5f, 1, 0, 0.5f}, Case{3, 4, 1, 0.75f, 1, 0, 1}}) {
        GlRecorder recorder;
        DrawFrame(c.frame, c.columns, c.rows, 10.5f, 20.5f, 4, 2);  // the centre is kept exactly
        EXPECT_EQ(DrawnCorners(recorder), (Corners{{c.u0, c.vTop, 8.5f, 21.5f},
                                                   {c.u0, c.vBottom, 8.5f, 19.5f},
                                                   {c.u1, c.vBottom, 12.5f, 19.5f},
                                                   {c.u1, c.vTop, 12.5f, 21.5f}}))
            << "frame " << c.frame << " of " << c.columns << "x" << c.rows;
    }
}

} // namespace
