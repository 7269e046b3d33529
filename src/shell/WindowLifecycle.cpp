#include "shell/WindowLifecycle.h"
#include <GL/gl.h>
#include <cstring>
#include "shell/GameHooks.h"
#include "shell/Platform.h"
#include "shell/Shell.h"
#include "shell/WindowProc.h"

void Reshape(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, 0, height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}

namespace {

// Later toggles start from windowed too.
void FallBackToWindowed(GameWindow& window)
{
    ErrorBox("Mode Switch Failed.\nRunning In Windowed Mode.");
    window.fullscreen = false;
    shell.createFullScreen = false;
}

bool MakeWindow(GameWindow& window)
{
    return GetPlatform().CreateWindow(window.title, window.width, window.height, window.bitsPerPixel,
                                      window.fullscreen);
}

} // namespace

// A fullscreen window that cannot be had, by the mode switch or by the
// window itself, is the same failure: the game runs windowed.
bool CreateGameWindow(GameWindow& window)
{
    Platform& platform = GetPlatform();
    ApplyCursorPolicy();
    if (window.fullscreen &&
        !platform.ChangeScreenResolution(window.width, window.height, window.bitsPerPixel))
        FallBackToWindowed(window);
    bool made = MakeWindow(window);
    if (!made && window.fullscreen) {
        platform.RestoreDisplayMode();
        FallBackToWindowed(window);
        made = MakeWindow(window);
    }
    if (!made) {
        window.window = window.renderContext = false;
        return false;
    }
    window.window = window.renderContext = true;
    window.isVisible = true;
    Reshape(window.width, window.height);
    std::memset(window.keys, 0, sizeof *window.keys);
    window.taps.Clear();
    window.lastTickCount = platform.GetTickCount();
    return true;
}

bool OpenGameWindow(GameWindow& window, GameHooks& hooks, bool init, bool fromLoop)
{
    if (!CreateGameWindow(window)) {
        ErrorBox("Error Creating OpenGL Window");
        if (!fromLoop) TerminateApplication(window);
        return false;
    }
    if (!init) return true;
    if (hooks.InitGL()) return true;
    ErrorBox("User Initialization Error");
    if (fromLoop) {
        hooks.ReleaseGLResources();
        DestroyGameWindow(window);
    } else {
        TerminateApplication(window);
    }
    return false;
}

void DestroyGameWindow(GameWindow& window)
{
    Platform& platform = GetPlatform();
    if (window.window) {
        platform.DestroyWindow();
        window.window = window.renderContext = false;
    }
    window.isVisible = false;
    if (window.fullscreen) platform.RestoreDisplayMode();
    ShowCursorNow();
}
