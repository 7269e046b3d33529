#pragma once
#include <cstddef>
#include <cstdint>
#include <map>

class Switch;

// Switches by id. Objects never hold a switch; they ask for the state of
// the one registered under an id. The registry does not own the switches.
class SwitchRegistry {
public:
    bool AddSwitch(Switch* s, uint32_t id);
    void RemoveSwitch(Switch* s, uint32_t id);
    bool IsSwitchOn(uint32_t id) const;
    uint32_t NextFreeSwitchId() const;
    void Clear() { switches.clear(); }
    size_t Count() const { return switches.size(); }

private:
    std::map<uint32_t, Switch*> switches;
};
