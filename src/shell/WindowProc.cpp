#include "shell/WindowProc.h"
#include "shell/GameHooks.h"
#include "shell/GameWindow.h"
#include "shell/Shell.h"
#include "shell/WindowLifecycle.h"

void ShowCursorNow()
{
    Platform& platform = GetPlatform();
    int count = platform.ShowCursor(true);
    while (count < 0) count = platform.ShowCursor(true);
    while (count > 0) count = platform.ShowCursor(false);
}

void ApplyCursorPolicy()
{
    if (shell.cursorVisible) {
        ShowCursorNow();
        return;
    }
    Platform& platform = GetPlatform();
    int count = platform.ShowCursor(false);
    while (count > -1) count = platform.ShowCursor(false);
    while (count < -1) count = platform.ShowCursor(true);
}

namespace {

// Alt-tab away from fullscreen: swap the fullscreen window for a minimized
// windowed one, so the desktop gets its mode back.
void Deactivate(GameWindow& window, GameHooks& hooks)
{
    if (!shell.minimizedFromFullscreen && window.fullscreen && !shell.toggleRequested &&
        shell.isProgramLooping) {
        shell.minimizedFromFullscreen = true;
        shell.inTransition = true;
        hooks.ReleaseGLResources();
        DestroyGameWindow(window);
        window.fullscreen = false;
        OpenGameWindow(window, hooks, false, false);
        window.isVisible = false;
        GetPlatform().MinimizeWindow();
        shell.inTransition = false;
    }
    ShowCursorNow();
    shell.toggleRequested = false;
}

void Reactivate(GameWindow& window, GameHooks& hooks)
{
    if (shell.minimizedFromFullscreen && !shell.inTransition) {
        shell.minimizedFromFullscreen = false;
        DestroyGameWindow(window);
        window.fullscreen = true;
        OpenGameWindow(window, hooks, true, false);
    }
}

void StoreMouse(const Message& message)
{
    shell.mouseX = message.x;
    shell.mouseY = message.y;
}

} // namespace

void WindowProc(GameWindow& window, GameHooks& hooks, const Message& message)
{
    switch (message.type) {
    case MsgType::Close:
    case MsgType::Stop:
        TerminateApplication(window);
        break;
    case MsgType::SizeMinimized:
        window.isVisible = false;
        ShowCursorNow();
        break;
    case MsgType::SizeRestored:
        window.isVisible = true;
        Reshape(message.x, message.y);
        break;
    case MsgType::ActivateInactive:
        Deactivate(window, hooks);
        break;
    case MsgType::ActivateActive:
        Reactivate(window, hooks);
        break;
    case MsgType::KeyDown:
        if (window.keyCallback) window.keyCallback(static_cast<uint8_t>(message.wParam & 0xFF), false);
        window.taps.Press(*window.keys, static_cast<uint8_t>(message.wParam & 0xFF));
        break;
    case MsgType::KeyUp:
        window.taps.Release(*window.keys, static_cast<uint8_t>(message.wParam & 0xFF));
        break;
    case MsgType::Char:
        if (window.keyCallback) window.keyCallback(static_cast<uint8_t>(message.wParam & 0xFF), true);
        break;
    case MsgType::NcMouseMove:
        ShowCursorNow();
        break;
    case MsgType::MouseMove:
        StoreMouse(message);
        ApplyCursorPolicy();
        break;
    case MsgType::LButtonDown:
        StoreMouse(message);
        hooks.OnMouseClick(1);
        break;
    case MsgType::RButtonDown:
        StoreMouse(message);
        hooks.OnMouseClick(2);
        break;
    case MsgType::ToggleFullscreen:
        shell.toggleRequested = true;
        shell.createFullScreen = !shell.createFullScreen;
        GetPlatform().PostMessage(Message{MsgType::Quit});
        break;
    case MsgType::ActivateMinimized:
    case MsgType::Quit:
        break;
    }
}
