#pragma once
#include <SDL2/SDL.h>

// A hidden window with a current OpenGL context, for tests that upload
// textures or read pixels. Uses whatever video driver the environment
// names (the suite runs with the offscreen driver).
class GlContext {
public:
    GlContext(int width = 800, int height = 600);
    ~GlContext();
    bool Ok() const { return context != nullptr; }

private:
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};
