#include "objects/Elevator.h"
#include <ostream>
#include "levels/LevelManager.h"
#include "objects/BinaryIo.h"
#include "objects/TraceJson.h"
#include "resources/QuadDrawing.h"
#include "shell/Assertion.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t ELEVATOR_LAYER = 6;
constexpr uint32_t ELEVATOR_TEXTURE = 13;
}

Elevator::Elevator(float x, float y, LevelManager* levman, std::istream* in)
    : BaseObject(x, y, SIZE, SIZE, ELEVATOR_LAYER), texture(ELEVATOR_TEXTURE), levman(levman)
{
    if (in) {
        targetFile = ReadName(*in);
        return;
    }
    VK_ASSERT(levman != 0, "objects");
    askForTarget();
}

// The level manager refuses while another prompt or the palette builder
// holds the input; the name then stays as it was.
void Elevator::askForTarget() { levman->Prompt(PROMPT_LABEL, targetFile, this); }

void Elevator::save(std::ostream& out) { WriteName(out, targetFile); }

void Elevator::draw()
{
    texture.Bind();
    DrawQuad(x, y, width, height);
}

// Only a player standing exactly on the centre leaves: one walking over
// the elevator passes through. A player at rest stands bit for bit on
// its lattice, so the exact comparison is the intended one.
void Elevator::collide(BaseObject* other)
{
    if (other->getType() != PLAYER_TYPE || !levman) return;
    if (other->getPosition() == getPosition()) levman->CompleteLevel(targetFile);
}

void Elevator::editAt(float px, float py)
{
    editOrClick(px, py, levman, [this] {
        VK_ASSERT(levman != 0, "objects");
        askForTarget();
    });
}

void Elevator::traceState(std::ostream& out) const { out << ",\"target\":" << TraceJsonString(targetFile); }
