#include "resources/TextureManager.h"

TextureManager* TextureManager::Instance()
{
    static TextureManager instance;
    return &instance;
}
