#pragma once
#include <cstdint>
#include "objects/BaseObject.h"

// Something that marches in a straight line and, when it bumps into
// anything, steps back out of it and turns clockwise: the zombie and the
// dragon.
class Walker : public BaseObject {
public:
    bool isStatic() const override { return false; }
    bool isSolid() const override { return true; }

protected:
    Walker(float x, float y, float size, int32_t drawLayer) : BaseObject(x, y, size, size, drawLayer) {}

    // Moves `speed` pixels a second along `direction`; a code outside
    // 0..3 stands still.
    void walk(int32_t direction, float speed, float dt);
    // Sets the walker flush against `other` on the axis of contact (an
    // exact diagonal counts as vertical) and turns `direction` clockwise.
    void bounceOff(const BaseObject& other, int32_t& direction);
};
