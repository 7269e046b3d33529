#include <gtest/gtest.h>
#include <GL/gl.h>
#include "TgaWriter.h"
#include "resources/ResourceManager.h"
#include "resources/TextureHandle.h"
#include "resources/TextureManager.h"
#include "resources/TextureObject.h"
#include "support/GlContext.h"
#include "support/GlRecorder.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace {

using Boxes = std::vector<std::string>;
using Bytes = std::vector<int>;
const uint32_t RED = 0xFF000000, BLUE = 0x0000FF00;

// A GL context, files in a temporary folder, and neither textures nor an
// enabled registry before or after, as at program start.
class Textures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.Ok()) << SDL_GetError();
        manager->Disable();
        ResourceManager::Instance()->ReleaseAll(0);
    }
    void TearDown() override
    {
        ResourceManager::Instance()->ReleaseAll(0);  // frees GL names while the context lives
        manager->Disable();
    }
    // A 24-bit image of `rows` rows, and the list, where "@" is the folder.
    void WriteImage(const std::string& file, std::initializer_list<uint32_t> pixels, uint16_t rows = 1)
    {
        dir.Write(file, TgaHeader(2, uint16_t(pixels.size() / rows), rows, 24) + TgaPixels(pixels, 24));
    }
    void WriteList(std::vector<std::string> lines)
    {
        std::string text;
        for (std::string& line : lines) text += line.replace(line.find('@'), 1, dir.Path().string()) + "\n";
        manager->LoadList(dir.Write("textures.txt", text).c_str());
    }
    // Level 0 of the texture, read back as RGBA bytes; leaves it bound.
    Bytes Pixels(const TextureHandle& h)
    {
        glBindTexture(GL_TEXTURE_2D, h.GetTexture()->GetGlName());
        manager->ForgetBinding();
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<uint8_t> rgba(size_t(width) * height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return Bytes(rgba.begin(), rgba.end());
    }

    GlContext gl;
    ScopedHeadlessPlatform platform;
    TempDir dir;
    TextureManager* manager = TextureManager::Instance();
};

TEST_F(Textures, RegistryKeepsOneObjectPerIdAndHandlesDetachWhenItGoes)
{
    manager->Register(nullptr);
    TextureHandle a(5), b(5), c(6);
    delete new TextureObject(5);  // the refused duplicate must not unregister the first
    EXPECT_EQ(platform.Boxes(),
              (Boxes{"Error: Couldn't register texture!", "Error: Attempted to register pre-existing texture!"}));
    EXPECT_EQ(manager->GetTexture(5), a.GetTexture());
    EXPECT_EQ(b.GetTexture(), a.GetTexture());
    EXPECT_EQ(manager->Count(), 2u);

    ResourceManager::Instance()->ReleaseAll(0);
    EXPECT_EQ(manager->Count(), 0u);
    GlRecorder recorder;
    a.Bind();
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(Textures, TexturesLoadOnceEnabledAndBindOnlyWhenTheTextureChanges)
{
    WriteImage("a.tga", {RED});
    WriteImage("b.tga", {BLUE, RED});
    WriteList({"@/a.tga", "@/b.tga", "@/a.tga"});
    TextureHandle a(0);
    EXPECT_EQ(a.GetTexture()->GetGlName(), 0u);  // no context yet
    manager->LoadAll();
    TextureHandle b(1);  // loads at once
    EXPECT_EQ(Pixels(a), (Bytes{255, 0, 0, 255}));
    EXPECT_EQ(Pixels(b), (Bytes{0, 0, 255, 255, 255, 0, 0, 255}));
    EXPECT_TRUE(platform.Boxes().empty());

    GlRecorder recorder;
    for (TextureHandle* h : {&a, &b, &a, &a}) h->Bind();
    std::vector<GLuint> bound, expected = {a.GetTexture()->GetGlName(), b.GetTexture()->GetGlName()};
    expected.push_back(expected[0]);
    // Loading binds behind Bind's back, and a new context has nothing bound.
    TextureHandle late(2);
    a.Bind();
    expected.push_back(a.GetTexture()->GetGlName());
    manager->LoadAll();
    a.Bind();
    expected.push_back(a.GetTexture()->GetGlName());
    for (const GlCall& call : recorder.Named("bindTexture")) bound.push_back(GLuint(call.args[1]));
    EXPECT_EQ(bound, expected);
}

TEST_F(Textures, OptionsShapeTheUploadedTexture)
{
    // The key colour, a near miss, a plain one, twice; rows of three 24-bit
    // pixels are not padded to whole words.
    WriteImage("k.tga", {0xFD7EFF00, 0xFD7EFE00, 0x1E3C5A00, 0xFD7EFF00, 0xFD7EFE00, 0x1E3C5A00}, 2);
    WriteList({"@/k.tga", "-k @/k.tga", "-g @/k.tga", "-g -k @/k.tga", "-r -s @/k.tga"});
    manager->LoadAll();
    TextureHandle plain(0), keyed(1), bright(2), both(3), repeated(4);
    auto twice = [](Bytes row) {
        Bytes two = row;
        two.insert(two.end(), row.begin(), row.end());
        return two;
    };
    EXPECT_EQ(Pixels(plain), twice({253, 126, 255, 255, 253, 126, 254, 255, 30, 60, 90, 255}));
    EXPECT_EQ(Pixels(keyed), twice({128, 128, 128, 0, 253, 126, 254, 255, 30, 60, 90, 255}));
    EXPECT_EQ(Pixels(bright), twice({253, 126, 255, 211, 253, 126, 254, 211, 30, 60, 90, 60}));
    EXPECT_EQ(Pixels(both), Pixels(keyed));
    for (TextureHandle* h : {&plain, &repeated}) {
        GLint wrap = 0, levelOneWidth = 0;
        Pixels(*h);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
        EXPECT_EQ(wrap, h == &plain ? GL_CLAMP : GL_REPEAT);
        EXPECT_EQ(levelOneWidth > 0, h == &repeated);  // only -s builds mipmaps
    }
}

TEST_F(Textures, FailedLoadsAreReportedAndReloadsReadTheFilesAgain)
{
    WriteImage("a.tga", {RED});
    WriteImage("b.tga", {RED});
    WriteList({"@/a.tga", "@/b.tga", "@/missing.tga"});
    manager->LoadAll();
    TextureHandle a(0), b(1), missing(2), beyond(7);
    EXPECT_EQ(platform.Boxes(), (Boxes{"ERROR: Could not open texture file", "Error: Error loading texture!",
                                       "Error: Invalid file table reference!", "ERROR: Could not open texture file",
                                       "Error: Error loading texture!"}));
    EXPECT_EQ(missing.GetTexture()->GetGlName(), 0u);
    EXPECT_EQ(manager->Count(), 4u);

    WriteImage("a.tga", {BLUE});
    std::filesystem::remove(dir.File("b.tga"));
    manager->LoadAll();
    EXPECT_EQ(Pixels(a), (Bytes{0, 0, 255, 255}));
    // b's name belonged to the old context: failing to reload, it keeps none.
    EXPECT_EQ(b.GetTexture()->GetGlName(), 0u);
}

} // namespace
