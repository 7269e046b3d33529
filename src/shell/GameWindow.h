#pragma once
#include <cstdint>
#include <string>
#include "shell/KeyState.h"
#include "shell/KeyTaps.h"

struct AppClass {
    std::string className = "OpenGL";
};

using KeyCallback = void (*)(uint8_t key, bool isChar);

// The one game window and the settings it is created with.
struct GameWindow {
    KeyState* keys = nullptr;
    bool window = false;          // a window exists
    bool renderContext = false;   // its GL context exists
    AppClass* app = nullptr;
    std::string title;
    int32_t width = 640;
    int32_t height = 480;
    int32_t bitsPerPixel = 16;
    bool fullscreen = true;
    bool cursorVisible = false;
    KeyCallback keyCallback = nullptr;
    bool isVisible = false;
    uint32_t lastTickCount = 0;
    KeyTaps taps;
};
