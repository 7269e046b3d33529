#include "levels/SwitchRegistry.h"
#include "objects/Switch.h"
#include "shell/Shell.h"

bool SwitchRegistry::AddSwitch(Switch* s, uint32_t id)
{
    if (!s || switches.count(id)) {
        ErrorBox("Attempting to add an invalid switch");
        return false;
    }
    switches[id] = s;
    return true;
}

void SwitchRegistry::RemoveSwitch(Switch* s, uint32_t id)
{
    auto it = switches.find(id);
    if (!s || it == switches.end() || it->second != s) {
        ErrorBox("Attempting to remove an invalid switch");
        return;
    }
    switches.erase(it);
}

bool SwitchRegistry::IsSwitchOn(uint32_t id) const
{
    auto it = switches.find(id);
    return it != switches.end() && it->second->getState() != 0;
}

uint32_t SwitchRegistry::NextFreeSwitchId() const
{
    uint32_t id = 0;
    // The map is ordered: walk it while the ids run 0, 1, 2, ... unbroken.
    for (const auto& entry : switches) {
        if (entry.first != id) break;
        ++id;
    }
    return id;
}
