#include "objects/Burner.h"
#include <ostream>
#include "levels/LevelManager.h"
#include "objects/BaseObjectMan.h"
#include "objects/BinaryIo.h"
#include "objects/CountDown.h"
#include "objects/Flame.h"
#include "objects/Switch.h"
#include "shell/Assertion.h"

namespace {
constexpr int32_t BURNER_LAYER = 1;
constexpr uint32_t BURNER_TEXTURE = 24;
}

Burner::Burner(float x, float y, LevelManager* levman, std::istream* in)
    : StillSprite(x, y, BURNER_LAYER, BURNER_TEXTURE), levelManager(levman)
{
    if (in) switchId = ReadU32(*in);
}

void Burner::save(std::ostream& out) { WriteU32(out, switchId); }

// Lights at once when the switch is on and the burner has cooled down; the
// cooldown then counts 2 seconds down to 0, and the flame after comes one
// step later: 2.01 s apart.
void Burner::update(float dt, const KeyState*)
{
    VK_ASSERT(levelManager != 0, "objects");
    if (cooldown == 0.0f) {
        if (levelManager->IsSwitchOn(switchId)) {
            new Flame(x, y);
            cooldown = COOLDOWN;
        }
        return;
    }
    CountDown(cooldown, dt);
}

// A burner made in the editor has no level manager: it is saved and read
// back before it ever plays.
void Burner::editAt(float px, float py)
{
    if (isTool()) {
        new Burner(px, py, nullptr, nullptr);
        return;
    }
    BaseObject* clicked = BaseObjectMan().objectAt(px, py);
    if (clicked && (clicked->getType() == HIT_SWITCH_TYPE || clicked->getType() == PRESSURE_SWITCH_TYPE)) {
        switchId = static_cast<Switch*>(clicked)->getId();
        return;
    }
    x = px;
    y = py;
}

void Burner::traceState(std::ostream& out) const
{
    out << ",\"switchId\":" << switchId << ",\"cooldown\":" << cooldown;
}
