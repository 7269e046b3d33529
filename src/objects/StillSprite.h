#pragma once
#include <cstdint>
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

// A 32 x 32 object that never moves by itself and is drawn as one whole
// texture while it is alive: walls, cans, burners.
class StillSprite : public BaseObject {
public:
    void draw() override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    void kill() override { alive = false; }

protected:
    StillSprite(float x, float y, int32_t drawLayer, uint32_t textureId);

    TextureHandle texture;
    bool alive = true;
};
