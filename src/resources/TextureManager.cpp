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
