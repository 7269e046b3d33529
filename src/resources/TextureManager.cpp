#include "resources/TextureManager.h"
#include <GL/gl.h>
#include "resources/GlCalls.h"
#include "resources/TextureObject.h"
#include "shell/Shell.h"

TextureManager* TextureManager::Instance()
{
    static TextureManager instance;
    return &instance;
}

void TextureManager::Register(TextureObject* t)
{
    if (!t) {
        ErrorBox("Couldn't register texture!");
        return;
    }
    if (!textures.emplace(t->GetId(), t).second) ErrorBox("Attempted to register pre-existing texture!");
}

void TextureManager::Unregister(TextureObject* t)
{
    if (!t) return;
    // Only the registered object gives its id up: a duplicate that failed
    // to register must not take the first one's entry with it.
    auto found = textures.find(t->GetId());
    if (found != textures.end() && found->second == t) textures.erase(found);
}

TextureObject* TextureManager::GetTexture(uint32_t id)
{
    auto found = textures.find(id);
    if (found != textures.end()) return found->second;
    return new TextureObject(id);  // registers itself; the resource manager owns it
}

void TextureManager::Bind(TextureObject* t)
{
    if (!t || t->GetId() == lastBoundId) return;
    lastBoundId = t->GetId();
    Gl().bindTexture(GL_TEXTURE_2D, t->GetGlName());
}

void TextureManager::LoadAll()
{
    enabled = true;
    lastBoundId = NO_TEXTURE;
    for (auto& entry : textures) entry.second->Load();
}
