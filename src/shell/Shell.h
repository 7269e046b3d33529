#pragma once
#include <cstdint>
#include <string>
#include "shell/GameWindow.h"

class GameHooks;
class Platform;

// Program-wide state of the shell.
struct ShellState {
    bool isProgramLooping = false;
    bool createFullScreen = false;
    bool toggleRequested = false;
    bool minimizedFromFullscreen = false;
    bool inTransition = false;
    bool charTranslation = false;
    bool cursorVisible = false;
    int32_t mouseX = 0;
    int32_t mouseY = 0;
};

extern ShellState shell;

// Runs the whole program on the given platform: Initialize, the window
// loops, Deinitialize. Returns the exit code.
int RunProgram(Platform& platform, GameHooks& hooks);

// Services the shell offers the rest of the program.
void TerminateApplication(GameWindow& window);
void RequestFullscreenToggle(GameWindow& window);
void ErrorBox(const std::string& text);
// A plain message box with an OK button and no icon, as the loaders use.
void MessageBoxPlain(const std::string& text, const std::string& caption);
void SetCursorVisible(bool visible);
void EnableCharTranslation();
void DisableCharTranslation();

// The window being run, for the services above; null outside RunProgram.
GameWindow* CurrentGameWindow();
