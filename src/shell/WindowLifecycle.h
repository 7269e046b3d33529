#pragma once

struct GameWindow;
class GameHooks;

// Window creation and destruction, shared by the outer loop and by the
// activation handling that swaps a fullscreen window for a minimized one.
bool CreateGameWindow(GameWindow& window);
bool OpenGameWindow(GameWindow& window, GameHooks& hooks, bool init, bool fromLoop);
void DestroyGameWindow(GameWindow& window);
void Reshape(int width, int height);
