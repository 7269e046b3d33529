#include <gtest/gtest.h>
#include <GL/gl.h>
#include <cmath>
#include <memory>
#include <vector>
#include "effects/ParticleSystem.h"
#include "support/GlContext.h"
#include "support/GlRecorder.h"

namespace {

constexpr float STEP = 0.01f;
constexpr uint32_t RING = ParticleSystem::PS_MAX_PARTICLES;
constexpr uint32_t STREAM = ParticleSystem::PS_STREAM_PARTICLES;

void ExpectColour(const ParticleColour& c, float r, float g, float b, float a)
{
    EXPECT_FLOAT_EQ(c.r, r);
    EXPECT_FLOAT_EQ(c.g, g);
    EXPECT_FLOAT_EQ(c.b, b);
    EXPECT_FLOAT_EQ(c.a, a);
}

class ParticleSystemTest : public ::testing::Test {
protected:
    uint32_t LiveCount() const
    {
        uint32_t live = 0;
        for (uint32_t i = 0; i < RING; ++i) live += ps->GetParticle(i).life > 0;
        return live;
    }

    // The pool is large; keep it off the stack.
    std::unique_ptr<ParticleSystem> ps = std::make_unique<ParticleSystem>();
};

TEST(ParticleColourTest, BytesAreDividedBy256)
{
    ExpectColour(UnpackColour(0xAAFF0000), 255 / 256.0f, 0, 0, 170 / 256.0f);
    ExpectColour(UnpackColour(0x01020304), 2 / 256.0f, 3 / 256.0f, 4 / 256.0f, 1 / 256.0f);
}

TEST_F(ParticleSystemTest, StreamParticlesConvergeOnTheTarget)
{
    EXPECT_EQ(LiveCount(), 0u);
    ps->EmitStream(100, 100, 64, 0, 0xFFAAAA00, 0xFFFF0000);
    EXPECT_EQ(LiveCount(), STREAM);
    std::vector<Particle> lastAlive;
    for (uint32_t i = 0; i < STREAM; ++i) {
        const Particle& p = ps->GetParticle(i);
        EXPECT_LE(std::fabs(p.x - 100), 16.0f);
        EXPECT_LE(std::fabs(p.y - 100), 16.0f);
        EXPECT_TRUE(p.life >= 0.125f && p.life <= 0.375f) << p.life;
        ExpectColour(p.startColour, 170 / 256.0f, 170 / 256.0f, 0, 255 / 256.0f);
        lastAlive.push_back(p);
    }

    // 0.4 s outlives every particle.
    for (int step = 0; step < 40; ++step) {
        ps->Update(STEP);
        for (uint32_t i = 0; i < STREAM; ++i) {
            const Particle& p = ps->GetParticle(i);
            if (p.life > 0) {
                lastAlive[i] = p;
            } else {
                EXPECT_EQ(p.maxLife, 0.0f);
                EXPECT_EQ(p.x, lastAlive[i].x) << "the step that ends a life does not move it";
            }
        }
    }
    EXPECT_EQ(LiveCount(), 0u);
    for (const Particle& p : lastAlive)
        EXPECT_LE(std::hypot(p.x - 164, p.y - 100), std::hypot(p.vx, p.vy) * STEP + 0.01f);
}

TEST_F(ParticleSystemTest, TheRingOverwritesTheOldestAndClearKeepsItsPlace)
{
    // Each stream marked by its start colour's blue byte.
    for (uint32_t s = 0; s < RING / STREAM; ++s) ps->EmitStream(0, 0, 10, 10, 0xFF000000 | s, 0);
    EXPECT_EQ(ps->GetNext(), 0u);
    ps->EmitStream(0, 0, 10, 10, 0xFF0000FF, 0);
    EXPECT_EQ(LiveCount(), RING);
    EXPECT_FLOAT_EQ(ps->GetParticle(STREAM - 1).startColour.b, 255 / 256.0f);
    EXPECT_FLOAT_EQ(ps->GetParticle(STREAM).startColour.b, 1 / 256.0f);

    ps->Clear();
    EXPECT_EQ(LiveCount(), 0u);
    ps->EmitStream(0, 0, 10, 10, 0xFF000000, 0);
    EXPECT_EQ(ps->GetNext(), 2 * STREAM);
    EXPECT_GT(ps->GetParticle(STREAM).life, 0.0f);
}

TEST_F(ParticleSystemTest, DrawShowsLiveParticlesFadingInOneBatch)
{
    GlRecorder gl;
    ps->EmitStream(200, 200, 0, 0, 0xFF000000, 0x00FFFFFF);
    for (int step = 0; step < 20; ++step) ps->Update(STEP);
    ps->Draw();
    EXPECT_EQ(gl.Named("begin").size(), 1u);
    ASSERT_GT(LiveCount(), 0u);
    EXPECT_EQ(gl.Named("vertex").size(), 4 * LiveCount()) << "the dead are not drawn";

    uint32_t first = 0;
    while (ps->GetParticle(first).life <= 0) ++first;
    const Particle& p = ps->GetParticle(first);
    float t = p.life / p.maxLife;
    const std::vector<float> c = gl.Named("color")[0].args;
    float fade = (1 - t) * 255 / 256;
    ExpectColour(ParticleColour{c[0], c[1], c[2], c[3]}, fade, fade, fade, t * 255 / 256);
    const float corners[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int k = 0; k < 4; ++k) {
        float cx = corners[k][0], cy = corners[k][1];
        EXPECT_EQ(gl.Named("texCoord")[k].args, (std::vector<float>{(cx + 1) / 2, (cy + 1) / 2}));
        EXPECT_EQ(gl.Named("vertex")[k].args, (std::vector<float>{p.x + 2 * cx, p.y + 2 * cy}));
    }
}

class DissolveTest : public ParticleSystemTest {
protected:
    void SetUp() override { ASSERT_TRUE(context.Ok()); }
    GlContext context;
};

TEST_F(DissolveTest, CellsAverageTwoByTwoPixelsBottomRowFirstAndFadeToTheColour)
{
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    // Red over the lower-left quarter of the patch around (100.9, 100.9),
    // whose lower-left pixel is (84, 84); white down its rightmost column.
    glColor3f(1, 0, 0);
    glRectf(84, 84, 100, 100);
    glColor3f(1, 1, 1);
    glRectf(115, 84, 116, 116);
    ps->EmitDissolve(100.9f, 100.9f, 0.5f, 0xAAFF0000);
    EXPECT_EQ(ps->GetNext(), 256u);
    for (int j = 0; j < 16; ++j) {
        for (int i = 0; i < 16; ++i) {
            const Particle& p = ps->GetParticle(j * 16 + i);
            EXPECT_FLOAT_EQ(p.x, 100.9f + 2 * i - 16);
            EXPECT_FLOAT_EQ(p.y, 100.9f + 2 * j - 16);
            EXPECT_TRUE(p.life >= 0.375f && p.life <= 0.625f && p.vx == 0 && p.vy == 0);
            float grey = i == 15 ? 127 / 256.0f : 0;
            float red = i < 8 && j < 8 ? 255 / 256.0f : grey;
            ExpectColour(p.startColour, red, grey, grey, 255 / 256.0f);
            ExpectColour(p.endColour, 255 / 256.0f, 0, 0, 170 / 256.0f);
        }
    }
}

TEST(ParticleSystemDeathTest, ADissolveNeedsAPositiveTime)
{
    auto ps = std::make_unique<ParticleSystem>();
    EXPECT_DEATH(ps->EmitDissolve(100, 100, 0.0f, 0), "time > 0.0f");
}

} // namespace
