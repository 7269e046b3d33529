#pragma once
#include <SDL2/SDL.h>
#include <vector>
#include "shell/Platform.h"

// The window messages one SDL event stands for. Character messages come
// only while translation is on: typed text, plus Enter (13), Backspace (8),
// Tab (9) and Escape (27), which SDL's text input does not report.
std::vector<Message> MessagesFromSdlEvent(const SDL_Event& event, bool charTranslation,
                                          bool windowMinimized);
