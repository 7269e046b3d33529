#pragma once
#include <cstdint>
#include "resources/Resource.h"

class TextureObject;

// Game code's way to a texture, by its id in the texture list. It never
// owns the texture, and binds nothing once the texture is gone.
class TextureHandle : public ResourceHandle {
public:
    explicit TextureHandle(uint32_t id);
    void SetTexture(uint32_t id);
    void Bind();
    // The attached texture, or null when detached.
    TextureObject* GetTexture() const { return IsValid() ? texture : nullptr; }

private:
    TextureObject* texture = nullptr;
};
