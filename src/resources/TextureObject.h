#pragma once
#include <cstdint>
#include "resources/Resource.h"
#include "resources/TgaLoader.h"

// One OpenGL texture made from the image on line `id` of the texture list.
// It registers itself with the texture manager and loads as soon as a GL
// context exists; every Load reads the image file again.
class TextureObject : public Resource {
public:
    explicit TextureObject(uint32_t id);
    ~TextureObject() override;
    void Load() override;

    uint32_t GetId() const { return id; }
    GLuint GetGlName() const { return image.glName; }
    // Size and format of the last upload; its pixels are already released.
    const TextureImage& GetImage() const { return image; }

private:
    uint32_t id;
    TextureImage image;
};
