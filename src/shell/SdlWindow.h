#pragma once
#include <SDL2/SDL.h>
#include <string>

// One SDL window with a double-buffered OpenGL context, made current.
class SdlWindow {
public:
    ~SdlWindow() { Destroy(); }
    bool Create(const std::string& title, int width, int height, int bits, Uint32 extraFlags,
                const SDL_DisplayMode* fullscreenMode);
    void Destroy();
    bool Exists() const { return window != nullptr; }
    SDL_Window* Handle() const { return window; }
    Uint32 Id() const { return window ? SDL_GetWindowID(window) : 0; }

private:
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};
