#include "objects/Player.h"
#include "objects/Interpolate.h"
#include <cmath>
#include <ostream>
#include "levels/LevelManager.h"
#include "objects/FreezeBeam.h"
#include "objects/Laser.h"
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"
#include "resources/ScopedTransform.h"
#include "shell/Assertion.h"
#include "shell/KeyState.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t PLAYER_LAYER = 5;
constexpr uint32_t PLAYER_TEXTURE = 0;
constexpr uint32_t SHEET_SIZE = 4;  // 4 x 4 frames
constexpr uint32_t UP_FRAMES = 4;
constexpr uint32_t SIDE_FRAMES = 8;
constexpr float WALK_CYCLE = 0.8f;
constexpr uint8_t KEY_F = 'F';
constexpr uint8_t KEY_D = 'D';
// A step blocked this close to where it began is undone.
constexpr float CANCEL_DISTANCE = 0.5f;

const char* const NO_NITROGEN = "Need more liquid nitrogen!";
const char* const SEALED_CAN_HINT =
    "Liquid nitrogen canisters must be busted open by an explosion\n"
    "before the liquid nitrogen can be harvisted.";

bool Held(const KeyState* keys, uint8_t key) { return keys && keys->IsDown(key); }
}

Player::Player(float x, float y, LevelManager* levman)
    : BaseObject(x, y, SIZE, SIZE, PLAYER_LAYER),
      texture(PLAYER_TEXTURE),
      fromX(x),
      fromY(y),
      toX(x),
      toY(y),
      levman(levman)
{
    if (levman) levman->SetPlayer(this);
}

Player::~Player()
{
    if (levman) levman->ClearPlayer(this);
}

void Player::update(float dt, const KeyState* keys)
{
    if (!alive) return;
    VK_ASSERT(levman != 0, "objects");
    if (busy) {
        countFiringPause(dt);
    } else {
        advanceWalkCycle(dt);
        advanceStep(dt);
        if (x == toX && y == toY) actOnKeys(keys);
    }
    if (progress >= 1.0f) settleBrokenStep();
    x = Interpolate(fromX, toX, progress);
    y = Interpolate(fromY, toY, progress);
}

void Player::countFiringPause(float dt)
{
    animTimer += dt;
    if (animTimer >= FIRING_PAUSE) {
        busy = false;
        animTimer = 0.0f;
    }
}

// Frames 0, 1, 0, 2 in quarters of the cycle.
void Player::advanceWalkCycle(float dt)
{
    animTimer += dt;
    while (animTimer >= WALK_CYCLE) animTimer -= WALK_CYCLE;
    float quarter = WALK_CYCLE / 4;
    if (animTimer < quarter) animFrame = 0;
    else if (animTimer < 2 * quarter) animFrame = 1;
    else if (animTimer < 3 * quarter) animFrame = 0;
    else animFrame = 2;
}

// A finished step copies its target into the position, so a player at
// rest stands exactly on the lattice of its start (elevators rely on it).
void Player::advanceStep(float dt)
{
    if (x == toX && y == toY) return;
    progress += SPEED * dt / STEP;
    if (progress >= 1.0f) {
        progress = 0.0f;
        x = fromX = toX;
        y = fromY = toY;
    }
}

// At rest: fire, or take one step, in this order of precedence. A step
// chosen here starts moving in the next update.
void Player::actOnKeys(const KeyState* keys)
{
    if (Held(keys, KEY_F)) {
        fireLaser();
        startFiringPause();
    } else if (Held(keys, KEY_D)) {
        if (nitrogen == 0) {
            levman->ShowMessage(NO_NITROGEN);
            return;
        }
        fireFreezeBeam();
        nitrogen -= 1;
        startFiringPause();
    } else if (Held(keys, VK_LEFT)) {
        toX -= STEP;
        facing = FACING_LEFT;
    } else if (Held(keys, VK_RIGHT)) {
        toX += STEP;
        facing = FACING_RIGHT;
    } else if (Held(keys, VK_UP)) {
        toY += STEP;
        facing = FACING_UP;
    } else if (Held(keys, VK_DOWN)) {
        toY -= STEP;
        facing = FACING_DOWN;
    } else {
        animFrame = 0;
        animTimer = 0.0f;
    }
}

void Player::startFiringPause()
{
    animFrame = 0;
    animTimer = 0.0f;
    busy = true;
}

// Both beams start from the player's centre, facing its way, and then
// live on their own.
void Player::fireLaser() { new Laser(x, y, this, facing); }

void Player::fireFreezeBeam() { new FreezeBeam(x, y, facing); }

// A collision can count a step as done while the player already stands
// on its target, where walking never finishes it. It is reported, and the
// step ends where the player stands: left alone, the report would repeat
// every step and the next step would jump a whole step ahead.
void Player::settleBrokenStep()
{
    ErrorBox("WTF!!!!");
    fromX = x;
    fromY = y;
    progress = 0.0f;
}

void Player::collide(BaseObject* other)
{
    VK_ASSERT(levman != 0, "objects");
    switch (other->getType()) {
    case ZOMBIE_TYPE:
        kill();
        return;
    case ELEVATOR_TYPE:
    case LASER_TYPE:
    case FREEZE_BEAM_TYPE:
        return;
    case BROKEN_NITROGEN_TYPE:
        nitrogen += 1;  // the canister removes itself
        return;
    default:
        break;
    }
    blockAgainst(*other);
    if (other->getType() == NITROGEN_TYPE) levman->ShowMessage(SEALED_CAN_HINT);
}

// Sets the player flush against the obstacle on the axis of contact (a
// diagonal contact counts as vertical) and the step's progress to match;
// a step stopped where it began is undone.
void Player::blockAgainst(const BaseObject& other)
{
    auto [ox, oy] = other.getPosition();
    float ddx = x - ox;
    float ddy = y - oy;
    if (std::fabs(ddx) <= std::fabs(ddy)) {
        float reach = other.getHeight() / 2 + height / 2;
        y = ddy <= 0 ? oy - reach : oy + reach;
        if ((facing == FACING_UP || facing == FACING_DOWN) && fromY != toY)
            progress = std::fabs((y - fromY) / (toY - fromY));
    } else {
        float reach = other.getWidth() / 2 + width / 2;
        x = ddx <= 0 ? ox - reach : ox + reach;
        if ((facing == FACING_LEFT || facing == FACING_RIGHT) && fromX != toX)
            progress = std::fabs((x - fromX) / (toX - fromX));
    }
    if (std::hypot(x - fromX, y - fromY) <= CANCEL_DISTANCE) {
        x = toX = fromX;
        y = toY = fromY;
        progress = 0.0f;
    }
}

uint32_t Player::spriteFrame() const
{
    uint32_t walk = static_cast<uint32_t>(animFrame);
    switch (facing) {
    case FACING_DOWN: return walk;
    case FACING_UP: return walk + UP_FRAMES;
    default: return walk + SIDE_FRAMES;  // left is right, mirrored
    }
}

void Player::draw()
{
    if (!alive) return;
    Gl().color4f(1.0f, 1.0f, 1.0f, 1.0f);
    texture.Bind();
    // Walking left is walking right, mirrored about the player's centre.
    ScopedTransform mirrored(x, y, 0.0f, facing == FACING_LEFT ? -1.0f : 1.0f, 1.0f);
    DrawFrame(spriteFrame(), SHEET_SIZE, SHEET_SIZE, x, y, SIZE, SIZE);
}

void Player::traceState(std::ostream& out) const
{
    out << ",\"nitrogen\":" << nitrogen << ",\"facing\":" << facing << ",\"busy\":" << (busy ? "true" : "false");
}
