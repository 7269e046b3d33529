#pragma once
#include "shell/Platform.h"

struct GameWindow;
class GameHooks;

// Handles one message for the game window.
void WindowProc(GameWindow& window, GameHooks& hooks, const Message& message);

// Cursor policy: drive the display counter to exactly 0 (shown) or -1.
void ShowCursorNow();
void ApplyCursorPolicy();
