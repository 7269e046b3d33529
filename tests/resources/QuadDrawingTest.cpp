#include <gtest/gtest.h>
#include <sstream>
#include <tuple>
#include "resources/QuadDrawing.h"
#include "support/GlRecorder.h"

namespace {

// The recorded calls in short, then forgotten: b7 (begin GL_QUADS),
// t s,t, v x,y, e. With a name, only those calls' arguments.
std::string Trace(GlRecorder& recorder, const std::string& only = "")
{
    std::ostringstream out;
    for (const GlCall& call : recorder.Calls()) {
        if (!only.empty() && call.name != only) continue;
        out << (out.tellp() ? " " : "") << (only.empty() ? call.name.substr(0, 1) : "");
        for (size_t i = 0; i < call.args.size(); ++i) out << (i ? "," : "") << call.args[i];
    }
    recorder.Clear();
    return out.str();
}

TEST(QuadDrawing, QuadsCoverTheirBoxWithTheRightTextureCorners)
{
    GlRecorder recorder;
    DrawQuad(400.7f, 300.2f, 800, 600);
    EXPECT_EQ(Trace(recorder), "b7 t0,0 v0,0 t1,0 v800,0 t1,1 v800,600 t0,1 v0,600 e");
    DrawQuad(-10.5f, 20.9f, 5, 3);  // centre truncated toward zero, half sizes kept
    EXPECT_EQ(Trace(recorder), "b7 t0,0 v-12.5,18.5 t1,0 v-7.5,18.5 t1,1 v-7.5,21.5 t0,1 v-12.5,21.5 e");
    DrawTiledQuad(40.5f, 20, 64, 32, 16);  // centre kept
    EXPECT_EQ(Trace(recorder), "b7 t0,0 v8.5,4 t4,0 v72.5,4 t4,2 v72.5,36 t0,2 v8.5,36 e");
}

TEST(QuadDrawing, FramesCountFromTheTopLeftCell)
{
    GlRecorder recorder;
    DrawFrame(0, 2, 2, 10.5f, 20.5f, 4, 2);  // centre kept
    EXPECT_EQ(Trace(recorder), "b7 t0,1 v8.5,21.5 t0,0.5 v8.5,19.5 t0.5,0.5 v12.5,19.5 t0.5,1 v12.5,21.5 e");
    // frame, columns, rows -> texture corners in drawing order
    using Case = std::tuple<uint32_t, uint32_t, uint32_t, std::string>;
    for (auto [frame, columns, rows, corners] :
         {Case{1, 2, 2, "0.5,1 0.5,0.5 1,0.5 1,1"}, Case{2, 2, 2, "0,0.5 0,0 0.5,0 0.5,0.5"},
          Case{3, 2, 2, "0.5,0.5 0.5,0 1,0 1,0.5"}, Case{3, 4, 1, "0.75,1 0.75,0 1,0 1,1"}}) {
        DrawFrame(frame, columns, rows, 0, 0, 1, 1);
        EXPECT_EQ(Trace(recorder, "texCoord"), corners) << frame << " of " << columns << "x" << rows;
    }
}

} // namespace
