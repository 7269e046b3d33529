#include "objects/Walker.h"
#include <cmath>
#include "objects/Direction.h"

void Walker::walk(int32_t direction, float speed, float dt) { Step(direction, speed * dt, x, y); }

void Walker::bounceOff(const BaseObject& other, int32_t& direction)
{
    auto [ox, oy] = other.getPosition();
    float dx = x - ox;
    float dy = y - oy;
    if (std::fabs(dy) < std::fabs(dx)) {
        float reach = other.getWidth() / 2 + width / 2;
        x = dx > 0 ? ox + reach : ox - reach;
    } else {
        float reach = other.getHeight() / 2 + height / 2;
        y = dy > 0 ? oy + reach : oy - reach;
    }
    direction = TurnClockwise(direction);
}
