#pragma once
#include <cstdint>
#include <string>
#include "resources/FileTable.h"
#include "resources/ResourceRegistry.h"
#include "resources/TextureObject.h"


// The registry of textures by id (line of "textures.txt"). It creates a
// texture on first request, loads them all whenever a GL context is made,
// and skips binds of the texture already bound. It does not own the
// textures: the resource manager deletes them, and each unregisters.
class TextureManager {
public:
    static constexpr uint32_t NO_TEXTURE = 0xFFFFFFFF;

    static TextureManager* Instance();

    void LoadList(const char* listName) { fileTable.Load(listName); }
    std::string GetFileName(uint32_t id) const { return fileTable.Get(id); }

    void Register(TextureObject* t) { textures.Register(t); }
    void Unregister(TextureObject* t) { textures.Unregister(t); }
    // The texture for id, created (and loaded, when enabled) if new.
    TextureObject* GetTexture(uint32_t id) { return textures.Get(id); }
    void Bind(TextureObject* t);
    // Someone bound a texture behind Bind's back: the next Bind must bind.
    void ForgetBinding() { lastBoundId = NO_TEXTURE; }

    // A new GL context exists: enable loading and load every texture.
    void LoadAll();
    // The GL context is about to go.
    void Disable() { enabled = false; }
    bool IsEnabled() const { return enabled; }
    size_t Count() const { return textures.Count(); }
    // The id of the texture uploaded under a GL name; NO_TEXTURE for none.
    uint32_t IdOfGlName(GLuint name) const;

private:
    ResourceRegistry<TextureObject> textures{"Couldn't register texture!",
                                             "Attempted to register pre-existing texture!"};
    FileTable fileTable;
    bool enabled = false;
    uint32_t lastBoundId = NO_TEXTURE;
};
