#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>
#include "shell/Platform.h"

// One message of a replay script, due before the Update of its frame.
struct ScriptEvent {
    uint32_t frame;
    Message message;
};

struct ReplayScript {
    std::vector<ScriptEvent> events;  // in delivery order within each frame
    // From "F elapsed MS" lines: from frame F on, each frame takes MS.
    std::map<uint32_t, uint32_t> frameTimes;
    uint32_t lastFrame = 0;           // the frame of the last line
    bool empty() const { return events.empty() && frameTimes.empty(); }
};

// Parses a script; on a malformed line returns false and says which line
// and why in error.
bool ParseReplayScript(const std::string& text, ReplayScript& script, std::string& error);

// The virtual-key code that types a character on a US keyboard, or 0.
uint8_t VirtualKeyForCharacter(char c);
