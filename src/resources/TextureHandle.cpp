#include "resources/TextureHandle.h"
#include "resources/TextureManager.h"
#include "resources/TextureObject.h"

TextureHandle::TextureHandle(uint32_t id) { SetTexture(id); }

void TextureHandle::SetTexture(uint32_t id)
{
    Release();
    texture = TextureManager::Instance()->GetTexture(id);
    if (texture) Attach(texture);
}

void TextureHandle::Bind()
{
    if (IsValid()) TextureManager::Instance()->Bind(texture);
}
