#include "shell/SdlWindow.h"
#include <cstdio>

bool SdlWindow::Create(const std::string& title, int width, int height, int bits, Uint32 extraFlags,
                       const SDL_DisplayMode* fullscreenMode)
{
    Destroy();
    // Ask for the classic 16-bit colour and depth; SDL treats these as
    // minimums and the system may give more.
    int channel = bits >= 24 ? 8 : 5;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, bits >= 24 ? 8 : 6);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);

    Uint32 flags = SDL_WINDOW_OPENGL | extraFlags;
    window = SDL_CreateWindow(title.c_str(), 0, 0, width, height, flags);
    if (!window) {
        std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
        return false;
    }
    if (fullscreenMode && SDL_SetWindowDisplayMode(window, fullscreenMode) != 0) {
        std::fprintf(stderr, "SDL_SetWindowDisplayMode: %s\n", SDL_GetError());
        Destroy();
        return false;
    }
    context = SDL_GL_CreateContext(window);
    if (!context || SDL_GL_MakeCurrent(window, context) != 0) {
        std::fprintf(stderr, "SDL GL context: %s\n", SDL_GetError());
        Destroy();
        return false;
    }
    SDL_GL_SetSwapInterval(0);
    return true;
}

void SdlWindow::Destroy()
{
    if (context) {
        SDL_GL_MakeCurrent(window, nullptr);
        SDL_GL_DeleteContext(context);
        context = nullptr;
    }
    if (window) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
}
