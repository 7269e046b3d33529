#include "objects/Beam.h"
#include <ostream>
#include "objects/Direction.h"
#include "resources/QuadDrawing.h"
#include "resources/ScopedTransform.h"

namespace {
constexpr int32_t BEAM_LAYER = 6;
constexpr float CAP_WIDTH = 32.0f;
constexpr float CAP_HEIGHT = 16.0f;
constexpr float CAP_OFFSET = 6.0f;
constexpr float BODY_WIDTH = 16.0f;

// Where a beam starts, from the shooter's centre: 16 long and 8 thick at
// the muzzle, which is held 12 pixels above the centre for sideways shots.
struct StartBox {
    float dx;
    float dy;
};
constexpr StartBox START_BOXES[] = {{-16.0f, 12.0f}, {16.0f, 12.0f}, {0.0f, 22.0f}, {0.0f, 4.0f}};
}

Beam::Beam(float x, float y, int32_t direction, const Look& look)
    : BaseObject(x, y, START_LENGTH, START_LENGTH, BEAM_LAYER), look(look), texture(look.textureId),
      direction(direction)
{
    if (!IsDirection(direction)) return;
    this->x += START_BOXES[direction].dx;
    this->y += START_BOXES[direction].dy;
    (IsHorizontal(direction) ? height : width) = THICKNESS;
}

float& Beam::length() { return IsHorizontal(direction) ? width : height; }

void Beam::update(float dt, const KeyState*)
{
    if (!alive) return;
    flightTime += dt;
    advance(dt);
    if (!flying && (width < 0.0f || height < 0.0f)) alive = false;
    if (hasLeftTheField()) alive = false;
}

// Growing, the front end runs ahead while the rear stays at the muzzle;
// flying, the whole beam moves at twice the speed; shrinking, the rear
// catches up with the front, which stays at the point of impact.
void Beam::advance(float dt)
{
    float rate = !flying ? -1.0f : flightTime < GROW_TIME ? 1.0f : 0.0f;
    float speed = rate == 0.0f ? 2.0f * SPEED : SPEED;
    if (!IsDirection(direction)) return;
    length() += rate * speed * dt;
    Step(direction, speed * dt * 0.5f, x, y);
}

// Beams on screen behave as they fly; one that has flown off the screen
// would otherwise be scanned every step for the rest of the level.
bool Beam::hasLeftTheField() const
{
    return x + width / 2 <= 0.0f || x - width / 2 >= FIELD_WIDTH || y + height / 2 <= 0.0f ||
           y - height / 2 >= FIELD_HEIGHT;
}

void Beam::collide(BaseObject* other)
{
    if (other->getType() == getType()) {
        // Crossing beams both die; of two parallel ones the shorter does.
        if (width < other->getWidth() || height < other->getHeight()) alive = false;
        return;
    }
    if (passesThrough(other->getType())) return;
    stopAt(other);
    flying = false;
    cutToNearFace(*other);
}

void Beam::stopAt(BaseObject*) {}

// The front end moves back to the face of `other` that looks toward the
// shooter; the rear end stays where it is.
void Beam::cutToNearFace(const BaseObject& other)
{
    auto [ox, oy] = other.getPosition();
    float ow = other.getWidth();
    float oh = other.getHeight();
    switch (direction) {
    case DIRECTION_LEFT:
        width = (x + width / 2) - (ox + ow / 2);
        x = ox + ow / 2 + width / 2;
        break;
    case DIRECTION_RIGHT:
        width = (ox - ow / 2) - (x - width / 2);
        x = (ox - ow / 2) - width / 2;
        break;
    case DIRECTION_UP:
        height = (oy - oh / 2) - (y - height / 2);
        y = (oy - oh / 2) - height / 2;
        break;
    case DIRECTION_DOWN:
        height = (y + height / 2) - (oy + oh / 2);
        y = oy + oh / 2 + height / 2;
        break;
    default:
        break;
    }
}

// The figure is drawn running down the screen with the shooter's end at
// the top; each direction turns or flips it into place.
void Beam::draw()
{
    if (!alive) return;
    texture.Bind();
    switch (direction) {
    case DIRECTION_UP: {
        ScopedTransform flipped(x, y, 0.0f, 1.0f, -1.0f);
        drawFigure(height);
        break;
    }
    case DIRECTION_LEFT: {
        ScopedTransform turned(x, y, 90.0f, 1.0f, -1.0f);
        drawFigure(width);
        break;
    }
    case DIRECTION_RIGHT: {
        ScopedTransform turned(x, y, 90.0f);
        drawFigure(width);
        break;
    }
    default:
        drawFigure(height);
        break;
    }
}

// A muzzle cap at the shooter's end while growing, an impact cap at the
// far end once stopped, and the body between.
void Beam::drawFigure(float length) const
{
    float capY = y + length / 2 + CAP_OFFSET;
    if (flying && flightTime < GROW_TIME) {
        DrawFrame(look.capFrame, look.columns, look.rows, x, capY, CAP_WIDTH, CAP_HEIGHT);
    } else if (!flying) {
        ScopedTransform mirrored(x, y, 0.0f, 1.0f, -1.0f);
        DrawFrame(look.capFrame, look.columns, look.rows, x, capY, CAP_WIDTH, CAP_HEIGHT);
    }
    DrawFrame(look.bodyFrame, look.columns, look.rows, x, y, BODY_WIDTH, length);
}

void Beam::traceState(std::ostream& out) const
{
    out << ",\"direction\":" << direction << ",\"flying\":" << (flying ? "true" : "false")
        << ",\"flightTime\":" << flightTime;
}
