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
    textures.LoadAll();
}

uint32_t TextureManager::IdOfGlName(GLuint name) const
{
    uint32_t id = NO_TEXTURE;
    textures.ForEach([&](const TextureObject* t) {
        if (name != 0 && t->GetGlName() == name) id = t->GetId();
    });
    return id;
}
