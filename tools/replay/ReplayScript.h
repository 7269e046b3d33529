#pragma once
#include <cstdint>
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
    uint32_t lastFrame = 0;           // the frame of the last event
    bool empty() const { return events.empty(); }
};

// Parses a script; on a malformed line returns false and says which line
// and why in error.
bool ParseReplayScript(const std::string& text, ReplayScript& script, std::string& error);

// The virtual-key code that types a character on a US keyboard, or 0.
uint8_t VirtualKeyForCharacter(char c);
