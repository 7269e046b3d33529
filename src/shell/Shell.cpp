#include "shell/Shell.h"
#include <GL/gl.h>
#include <cstdio>
#include <cstring>
#include "shell/GameHooks.h"
#include "shell/Platform.h"
#include "shell/ShellObserver.h"
#include "shell/WindowProc.h"
#include "shell/WindowLifecycle.h"

ShellState shell;

namespace {
GameWindow* runningWindow = nullptr;
ShellObserver* observer = nullptr;
}

GameWindow* CurrentGameWindow() { return runningWindow; }

void SetShellObserver(ShellObserver* o) { observer = o; }

void TerminateApplication(GameWindow&)
{
    if (Platform* p = TryGetPlatform()) p->PostMessage(Message{MsgType::Quit});
    shell.isProgramLooping = false;
}

void RequestFullscreenToggle(GameWindow&)
{
    if (Platform* p = TryGetPlatform()) p->PostMessage(Message{MsgType::ToggleFullscreen});
}

void MessageBoxPlain(const std::string& text, const std::string& caption)
{
    if (observer) observer->MessageBoxShown(caption, text);
    Platform* p = TryGetPlatform();
    if (!p) {
        std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
        return;
    }
    p->ShowMessageBox(caption, text, MessageBoxIcon::None);
}

void ErrorBox(const std::string& text)
{
    if (observer) observer->MessageBoxShown("Error", text);
    Platform* p = TryGetPlatform();
    if (!p) {
        std::fprintf(stderr, "[Error] %s\n", text.c_str());
        return;
    }
    p->ShowCursor(true);
    p->ShowMessageBox("Error", text, MessageBoxIcon::Exclamation);
    p->ShowCursor(false);
}

void SetCursorVisible(bool visible)
{
    shell.cursorVisible = visible;
    if (visible) ShowCursorNow();
    else ApplyCursorPolicy();
}

void EnableCharTranslation()
{
    shell.charTranslation = true;
    if (Platform* p = TryGetPlatform()) p->SetCharTranslation(true);
}

void DisableCharTranslation()
{
    shell.charTranslation = false;
    if (Platform* p = TryGetPlatform()) p->SetCharTranslation(false);
}

namespace {

void RunFrame(Platform& platform, GameWindow& window, GameHooks& hooks)
{
    uint32_t t = platform.GetTickCount();
    uint32_t elapsed = t - window.lastTickCount;
    hooks.Update(elapsed);
    window.lastTickCount = t;
    platform.SwapBuffers();
    hooks.Draw();
    window.taps.EndFrame(*window.keys);
    if (observer) observer->FrameRan(elapsed);
}

// Pumps messages and runs frames until a quit message arrives.
void InnerLoop(Platform& platform, GameWindow& window, GameHooks& hooks)
{
    for (;;) {
        Message message;
        if (platform.PeekMessage(message)) {
            if (message.type == MsgType::Quit) return;
            if (observer) observer->MessageArrived(message);
            WindowProc(window, hooks, message);
        } else if (window.isVisible) {
            RunFrame(platform, window, hooks);
        } else {
            platform.WaitMessage();
            if (observer) observer->FrameSkipped();
        }
    }
}

} // namespace

int RunProgram(Platform& platform, GameHooks& hooks)
{
    SetPlatform(&platform);
    shell = ShellState{};
    static AppClass app;
    static KeyState keys;
    GameWindow window;
    window.app = &app;
    window.keys = &keys;
    runningWindow = &window;

    hooks.Initialize(window);
    SetCursorVisible(window.cursorVisible);
    std::memset(&keys, 0, sizeof keys);

    if (!platform.RegisterWindowClass()) {
        ErrorBox("RegisterClassEx Failed!");
        ErrorBox("Error Registering Window Class!");
        runningWindow = nullptr;
        return -1;
    }

    shell.isProgramLooping = true;
    shell.createFullScreen = window.fullscreen;
    while (shell.isProgramLooping) {
        window.fullscreen = shell.createFullScreen;
        bool opened = OpenGameWindow(window, hooks, true, true);
        // A toggle is complete once its new window is open: the next
        // deactivation is an alt-tab again.
        shell.toggleRequested = false;
        if (!opened) {
            shell.isProgramLooping = false;
            continue;
        }
        InnerLoop(platform, window, hooks);
        hooks.ReleaseGLResources();
        DestroyGameWindow(window);
    }

    hooks.Deinitialize();
    platform.UnregisterWindowClass();
    runningWindow = nullptr;
    return 0;
}
