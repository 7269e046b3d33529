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

// Each test starts with no textures and the registry disabled, as at
// program start, and ends the same way.
class Textures : public ::testing::Test {
protected:
    void SetUp() override { Forget(); }
    void TearDown() override
    {
        ResourceManager::Instance()->ReleaseAll(0);
        manager->Disable();
    }
    void Forget()
    {
        manager->Disable();
        ResourceManager::Instance()->ReleaseAll(0);
    }
    // Writes the texture list; "@" in a line stands for the test folder.
    void WriteList(std::vector<std::string> lines)
    {
        std::string text;
        for (std::string& line : lines) {
            if (size_t at = line.find('@'); at != std::string::npos) line.replace(at, 1, dir.Path().string());
            text += line + "\n";
        }
        manager->LoadList(dir.Write("textures.txt", text).c_str());
    }
    // A 24-bit image of the given pixels (0xRRGGBBAA), `rows` rows.
    void WriteImage(const std::string& file, std::vector<uint32_t> pixels, uint16_t rows = 1)
    {
        std::string bytes = TgaHeader(2, uint16_t(pixels.size() / rows), rows, 24);
        for (uint32_t p : pixels) bytes += TgaPixel(p, 24);
        dir.Write(file, bytes);
    }

    ScopedHeadlessPlatform platform;
    TempDir dir;
    TextureManager* manager = TextureManager::Instance();
};

// The same with a current GL context, for uploads.
class GlTextures : public Textures {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.Ok()) << SDL_GetError();
        Textures::SetUp();
    }
    // Level 0 of the texture read back as RGBA bytes.
    Bytes Pixels(TextureObject* t)
    {
        glBindTexture(GL_TEXTURE_2D, t->GetGlName());
        manager->ForgetBinding();
        const TextureImage& image = t->GetImage();
        std::vector<uint8_t> rgba(image.width * image.height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return Bytes(rgba.begin(), rgba.end());
    }
    GLint Parameter(TextureObject* t, GLenum name)
    {
        glBindTexture(GL_TEXTURE_2D, t->GetGlName());
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        return value;
    }

    GlContext gl;
};

TEST_F(Textures, RegisterRefusesNullAndSecondObjectsForAnId)
{
    manager->Register(nullptr);
    TextureHandle first(5);
    auto* duplicate = new TextureObject(5);
    EXPECT_EQ(platform.Boxes(),
              (Boxes{"Error: Couldn't register texture!", "Error: Attempted to register pre-existing texture!"}));
    EXPECT_EQ(manager->GetTexture(5), first.GetTexture());
    // The duplicate leaving must not take the first object's entry along.
    delete duplicate;
    EXPECT_EQ(manager->GetTexture(5), first.GetTexture());
    EXPECT_EQ(manager->Count(), 1u);
}

TEST_F(Textures, HandlesOfOneIdShareOneObjectAndDetachWhenItGoes)
{
    TextureHandle a(3), b(3), c(4);
    EXPECT_EQ(a.GetTexture(), b.GetTexture());
    EXPECT_NE(a.GetTexture(), c.GetTexture());
    EXPECT_EQ(a.GetTexture()->HandleCount(), 2u);
    c.SetTexture(3);
    EXPECT_EQ(a.GetTexture()->HandleCount(), 3u);
    EXPECT_EQ(manager->Count(), 2u);  // the texture for 4 stays registered

    ResourceManager::Instance()->ReleaseAll(0);
    EXPECT_EQ(manager->Count(), 0u);
    EXPECT_FALSE(a.IsValid());
    GlRecorder recorder;
    a.Bind();
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(GlTextures, TexturesWaitForLoadAllAndLoadAtOnceWhenEnabled)
{
    WriteImage("a.tga", {0xFF0000FF});
    WriteImage("b.tga", {0x00FF00FF, 0x0000FFFF});
    WriteList({"@/a.tga", "@/b.tga"});
    TextureHandle a(0);
    EXPECT_EQ(a.GetTexture()->GetGlName(), 0u);
    manager->LoadAll();
    EXPECT_NE(a.GetTexture()->GetGlName(), 0u);
    EXPECT_EQ(Pixels(a.GetTexture()), (Bytes{255, 0, 0, 255}));

    TextureHandle b(1);
    EXPECT_NE(b.GetTexture()->GetGlName(), 0u);
    EXPECT_NE(b.GetTexture()->GetGlName(), a.GetTexture()->GetGlName());
    EXPECT_EQ(Pixels(b.GetTexture()), (Bytes{0, 255, 0, 255, 0, 0, 255, 255}));
    EXPECT_TRUE(platform.Boxes().empty());
}

TEST_F(GlTextures, BindSkipsTheTextureAlreadyBound)
{
    WriteImage("a.tga", {0xFF0000FF});
    WriteList({"@/a.tga", "@/a.tga", "@/a.tga"});
    manager->LoadAll();
    TextureHandle a(0), b(1);
    GLuint nameA = a.GetTexture()->GetGlName(), nameB = b.GetTexture()->GetGlName();
    auto boundNames = [](const GlRecorder& r) {
        std::vector<GLuint> names;
        for (const GlCall& c : r.Named("bindTexture")) names.push_back(GLuint(c.args[1]));
        return names;
    };
    GlRecorder recorder;
    a.Bind();
    b.Bind();
    a.Bind();
    a.Bind();
    EXPECT_EQ(boundNames(recorder), (std::vector<GLuint>{nameA, nameB, nameA}));

    // Loading binds behind Bind's back, and a new context binds nothing.
    for (auto change : {+[] { TextureHandle late(2); }, +[] { TextureManager::Instance()->LoadAll(); }}) {
        recorder.Clear();
        a.Bind();  // a is the last bound
        change();
        a.Bind();
        EXPECT_EQ(recorder.Named("bindTexture").size(), 1u);
    }
}

TEST_F(GlTextures, AlphaOptionsMakeRgbaAndOtherOptionsSetTheTextureUp)
{
    // The key colour, a near miss, a plain one; rows of three 24-bit
    // pixels are not padded to whole words.
    WriteImage("k.tga", {0xFD7EFF00, 0xFD7EFE00, 0x1E3C5A00, 0x1E3C5A00, 0xFD7EFF00, 0x03000000}, 2);
    WriteList({"@/k.tga", "-k @/k.tga", "-g @/k.tga", "-g -k @/k.tga", "-r -s @/k.tga"});
    manager->LoadAll();
    TextureHandle plain(0), keyed(1), bright(2), both(3), repeated(4);
    EXPECT_EQ(Pixels(plain.GetTexture()), (Bytes{253, 126, 255, 255, 253, 126, 254, 255, 30, 60, 90, 255,
                                                 30, 60, 90, 255, 253, 126, 255, 255, 3, 0, 0, 255}));
    EXPECT_EQ(Pixels(keyed.GetTexture()), (Bytes{128, 128, 128, 0, 253, 126, 254, 255, 30, 60, 90, 255,
                                                 30, 60, 90, 255, 128, 128, 128, 0, 3, 0, 0, 255}));
    EXPECT_EQ(Pixels(bright.GetTexture()), (Bytes{253, 126, 255, 211, 253, 126, 254, 211, 30, 60, 90, 60,
                                                  30, 60, 90, 60, 253, 126, 255, 211, 3, 0, 0, 1}));
    EXPECT_EQ(Pixels(both.GetTexture()), Pixels(keyed.GetTexture()));
    EXPECT_EQ(plain.GetTexture()->GetImage().bitsPerPixel, 24u);
    EXPECT_EQ(keyed.GetTexture()->GetImage().format, GLenum(GL_RGBA));

    EXPECT_EQ(Parameter(plain.GetTexture(), GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(Parameter(plain.GetTexture(), GL_TEXTURE_WRAP_T), GL_CLAMP);
    EXPECT_EQ(Parameter(repeated.GetTexture(), GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(Parameter(repeated.GetTexture(), GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    // Mipmaps: a second level exists only with -s.
    GLint levelOneWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
    EXPECT_GT(levelOneWidth, 0);
    glBindTexture(GL_TEXTURE_2D, plain.GetTexture()->GetGlName());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
    EXPECT_EQ(levelOneWidth, 0);
}

TEST_F(GlTextures, FailedLoadsAreReportedAndLeaveNoTexture)
{
    WriteList({"@/missing.tga"});
    manager->LoadAll();
    TextureHandle missing(0), beyond(7);
    EXPECT_EQ(platform.Boxes(),
              (Boxes{"ERROR: Could not open texture file", "Error: Error loading texture!",
                     "Error: Invalid file table reference!", "ERROR: Could not open texture file",
                     "Error: Error loading texture!"}));
    EXPECT_EQ(missing.GetTexture()->GetGlName(), 0u);
    EXPECT_EQ(manager->Count(), 2u);
}

TEST_F(GlTextures, LoadAllReadsEveryFileAgain)
{
    WriteImage("a.tga", {0xFF0000FF});
    WriteImage("b.tga", {0xFF0000FF});
    WriteList({"@/a.tga", "@/b.tga"});
    manager->LoadAll();
    TextureHandle a(0), b(1);
    WriteImage("a.tga", {0x0000FFFF});
    std::filesystem::remove(dir.File("b.tga"));
    manager->LoadAll();
    EXPECT_EQ(Pixels(a.GetTexture()), (Bytes{0, 0, 255, 255}));
    // The old name belonged to the old context: a texture that failed to
    // reload keeps none.
    EXPECT_EQ(b.GetTexture()->GetGlName(), 0u);
}

} // namespace
