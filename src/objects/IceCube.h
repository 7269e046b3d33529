#pragma once
#include "objects/BaseObject.h"
#include "objects/BaseObjectMan.h"
#include "resources/SoundHandle.h"
#include "resources/TextureHandle.h"

// A block of ice made by a freeze beam around what it hit. The object
// inside stays frozen (neither updated nor collided) until the cube goes:
// it melts after 2 seconds, or shatters at once when a beam hits it. Walls
// and blocks cannot be frozen; a flame gets a cube that puts it out.
class IceCube : public BaseObject, private DeletionWatcher {
public:
    static constexpr float MELT_TIME = 2.0f;

    explicit IceCube(BaseObject* target);
    // Lets the encased object go, if it is still in the world.
    ~IceCube() override;

    ObjectType getType() const override { return ICE_CUBE_TYPE; }
    void draw() override;
    void update(float dt, const KeyState*) override { meltTime += dt; }
    void collide(BaseObject* other) override;
    bool isDead() const override { return meltTime > MELT_TIME; }
    bool isStatic() const override { return false; }
    bool isSolid() const override { return true; }
    // Shatters the cube, with its sound.
    void kill() override;
    void traceState(std::ostream& out) const override;

    BaseObject* getEncased() const { return encased; }
    float getMeltTime() const { return meltTime; }

private:
    // Deleting the world, or a cube that shattered in the step a new cube
    // took it, can delete the encased object before its cube.
    void objectDeleted(BaseObject* o) override;

    BaseObject* encased = nullptr;
    TextureHandle texture;
    SoundHandle sound;
    float meltTime = 0.0f;
};
