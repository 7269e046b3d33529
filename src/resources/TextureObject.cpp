#include "resources/TextureObject.h"
#include <new>
#include <GL/glu.h>
#include "resources/TextureManager.h"
#include "resources/TextureOptions.h"
#include "shell/Shell.h"

namespace {

// Pixels of this exact colour become transparent under the colour key.
constexpr uint8_t KEY_RED = 253, KEY_GREEN = 126, KEY_BLUE = 255;
constexpr uint8_t KEYED_GREY = 128;

// Replaces the pixels by an RGBA copy whose every pixel makePixel fills
// from the old one. The old pixels are read by their own size, so a 32-bit
// image keeps its colours (its old alpha is replaced).
template <typename MakePixel>
bool ConvertToRgba(TextureImage& image, MakePixel makePixel)
{
    uint32_t stride = image.BytesPerPixel();
    uint64_t count = image.PixelCount();
    std::unique_ptr<uint8_t[]> rgba(new (std::nothrow) uint8_t[count * 4]);
    if (!rgba) return false;
    for (uint64_t i = 0; i < count; ++i) makePixel(&image.pixels[i * stride], &rgba[i * 4]);
    image.pixels = std::move(rgba);
    image.bitsPerPixel = 32;
    image.format = GL_RGBA;
    return true;
}

bool ApplyColorKey(TextureImage& image)
{
    return ConvertToRgba(image, [](const uint8_t* from, uint8_t* to) {
        bool keyed = from[0] == KEY_RED && from[1] == KEY_GREEN && from[2] == KEY_BLUE;
        to[0] = keyed ? KEYED_GREY : from[0];
        to[1] = keyed ? KEYED_GREY : from[1];
        to[2] = keyed ? KEYED_GREY : from[2];
        to[3] = keyed ? 0 : 255;
    });
}

bool ApplyBrightnessAlpha(TextureImage& image)
{
    return ConvertToRgba(image, [](const uint8_t* from, uint8_t* to) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
        to[3] = uint8_t((from[0] + from[1] + from[2]) / 3);
    });
}

bool ApplyAlphaOption(TextureImage& image, const TextureOptions& options)
{
    bool converted = true;
    if (options.colorKey)
        converted = ApplyColorKey(image);
    else if (options.alphaFromBrightness)
        converted = ApplyBrightnessAlpha(image);
    if (!converted) MessageBoxPlain("Could not allocate memory for image", "ERROR");
    return converted;
}

void Upload(const TextureImage& image, bool mipmaps)
{
    // Decoded rows are packed: a 24-bit row need not fill whole four-byte
    // words, and GL must not read past the end of the pixels.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLint components = GLint(image.BytesPerPixel());
    GLsizei width = GLsizei(image.width), height = GLsizei(image.height);
    if (mipmaps)
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, image.format, GL_UNSIGNED_BYTE,
                          image.pixels.get());
    else
        glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, image.format, GL_UNSIGNED_BYTE,
                     image.pixels.get());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

void SetFilters(bool repeat)
{
    // Linear also when mipmaps exist: the levels are built but not used.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (repeat) return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
}

} // namespace

TextureObject::TextureObject(uint32_t id) : id(id)
{
    TextureManager::Instance()->Register(this);
    Load();
}

TextureObject::~TextureObject()
{
    TextureManager* manager = TextureManager::Instance();
    // Names live in their context; once it is gone there is nothing to free.
    if (manager->IsEnabled() && image.glName != 0) glDeleteTextures(1, &image.glName);
    manager->Unregister(this);
}

void TextureObject::Load()
{
    TextureManager* manager = TextureManager::Instance();
    if (!manager->IsEnabled()) return;
    // A name from an earlier context may belong to another texture now; a
    // texture that fails to load binds the default texture instead.
    image.glName = 0;
    TextureOptions options = ParseTextureOptions(manager->GetFileName(id));
    if (!LoadTGA(image, options.name) || !ApplyAlphaOption(image, options)) {
        image.pixels.reset();
        ErrorBox("Error loading texture!");
        return;
    }
    glGenTextures(1, &image.glName);
    glBindTexture(GL_TEXTURE_2D, image.glName);
    manager->ForgetBinding();
    Upload(image, options.mipmaps);
    SetFilters(options.repeat);
    image.pixels.reset();
}
