#include "objects/Switch.h"
#include <ostream>
#include "levels/LevelManager.h"
#include "objects/BinaryIo.h"
#include "shell/Assertion.h"

Switch::Switch(float x, float y, float width, float height, int32_t drawLayer, LevelManager* levMan,
               std::istream* in)
    : BaseObject(x, y, width, height, drawLayer), levMan(levMan)
{
    VK_ASSERT(levMan != 0, "objects");
    if (in) {
        id = ReadU32(*in);
        state = ReadU32(*in);
    } else {
        id = levMan->NextFreeSwitchId();
    }
    levMan->AddSwitch(this, id);
}

Switch::~Switch() { levMan->RemoveSwitch(this, id); }

void Switch::save(std::ostream& out)
{
    WriteU32(out, id);
    WriteU32(out, state);
}

void Switch::editAt(float px, float py)
{
    editOrClick(px, py, levMan, [this] { toggle(); });
}

void Switch::traceState(std::ostream& out) const { out << ",\"id\":" << id << ",\"state\":" << state; }
