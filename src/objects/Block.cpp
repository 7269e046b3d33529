#include "objects/Block.h"
#include "objects/Interpolate.h"
#include <cmath>
#include <ostream>
#include "resources/QuadDrawing.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t BLOCK_LAYER = 2;
constexpr uint32_t BLOCK_TEXTURE = 4;
// A push takes half a second.
constexpr float SLIDE_SPEED = 2.0f;
// While sliding the box is a pixel short of a tile on every side, so
// that a neighbour merely touching the block's path does not stop it.
constexpr float SLIDING_SIZE = 30.0f;
}

Block::Block(float x, float y)
    : BaseObject(x, y, SIZE, SIZE, BLOCK_LAYER), texture(BLOCK_TEXTURE), fromX(x), fromY(y), toX(x), toY(y)
{
}

std::pair<float, float> Block::current() const
{
    return {Interpolate(fromX, toX, progress), Interpolate(fromY, toY, progress)};
}

void Block::draw()
{
    if (!alive) return;
    texture.Bind();
    auto [cx, cy] = current();
    DrawQuad(cx, cy, SIZE, SIZE);
}

// The box stretches over the way still to go, so an obstacle anywhere on
// it is met in the first step of the slide.
void Block::update(float dt, const KeyState*)
{
    if (!sliding) return;
    progress += dt * SLIDE_SPEED;
    auto [cx, cy] = current();
    width = std::fabs(cx - toX) + SLIDING_SIZE;
    height = std::fabs(cy - toY) + SLIDING_SIZE;
    x = (cx + toX) / 2.0f;
    y = (cy + toY) / 2.0f;
    if (progress >= 1.0f) {
        // Settle exactly on the target: the drawing interpolates with
        // progress, and an overshoot would draw the block off its box.
        progress = 1.0f;
        sliding = false;
        restAt(toX, toY);
    }
}

void Block::collide(BaseObject* other)
{
    ObjectType type = other->getType();
    if (type != PLAYER_TYPE && type != LASER_TYPE) {
        if (sliding) cancelSlide();
        return;
    }
    if (sliding) return;
    auto [ox, oy] = other->getPosition();
    tryPush(ox, oy);
}

// Only a pusher within a quarter tile of the block's centre line moves it;
// an exactly diagonal contact counts as vertical.
void Block::tryPush(float pusherX, float pusherY)
{
    float ddx = x - pusherX;
    float ddy = y - pusherY;
    float newX = x;
    float newY = y;
    if (std::fabs(ddx) <= std::fabs(ddy)) {
        if (!(x - width / 4 < pusherX && pusherX < x + width / 4)) return;
        newY += ddy <= 0 ? -PUSH_DISTANCE : PUSH_DISTANCE;
    } else {
        if (!(y - height / 4 < pusherY && pusherY < y + height / 4)) return;
        newX += ddx <= 0 ? -PUSH_DISTANCE : PUSH_DISTANCE;
    }
    fromX = x;
    fromY = y;
    toX = newX;
    toY = newY;
    progress = 0.0f;
    sliding = true;
}

void Block::cancelSlide()
{
    sliding = false;
    toX = fromX;
    toY = fromY;
    restAt(fromX, fromY);
}

void Block::restAt(float restX, float restY)
{
    x = restX;
    y = restY;
    width = SIZE;
    height = SIZE;
}

void Block::editAt(float px, float py)
{
    if (isTool()) {
        BaseObject::editAt(px, py);
        return;
    }
    x = fromX = toX = px;
    y = fromY = toY = py;
}

void Block::traceState(std::ostream& out) const { out << ",\"sliding\":" << (sliding ? "true" : "false"); }
