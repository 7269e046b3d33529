#pragma once
#include <SDL2/SDL.h>
#include <vector>
#include "shell/Platform.h"

// Turns SDL events into the window messages they stand for. Character
// messages come only while translation is on: typed text, plus Enter (13),
// Backspace (8), Tab (9) and Escape (27), which SDL's text input does not
// report.
class SdlEventTranslator {
public:
    std::vector<Message> Translate(const SDL_Event& event, bool charTranslation, bool windowMinimized);

private:
    void TranslateKey(std::vector<Message>& out, const SDL_KeyboardEvent& key, bool charTranslation);

    // The code each held key went down with: its release lifts that code
    // even when the layout or NumLock changed in between, so no key sticks.
    uint8_t heldCodes[SDL_NUM_SCANCODES] = {};
};
