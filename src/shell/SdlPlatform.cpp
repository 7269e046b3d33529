#include "shell/SdlPlatform.h"
#include "shell/LostDisplay.h"
#include "shell/SdlEvents.h"
#include "shell/VirtualKeys.h"

bool SdlPlatform::RegisterWindowClass()
{
    return SDL_InitSubSystem(SDL_INIT_TIMER) == 0 && StartVideo();
}

// The window's cursor is the standard arrow (without one, a bare X server
// shows its own cross). Starting SDL's video shows the cursor whatever was
// asked before, so the cursor's state is sent again once video runs.
bool SdlPlatform::StartVideo()
{
    if (videoStarted) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    videoStarted = true;
    EndProgramWhenDisplayIsLost();
    if (!arrow) arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (arrow) SDL_SetCursor(arrow);
    ReapplyCursor();
    return true;
}

void SdlPlatform::UnregisterWindowClass()
{
    if (arrow) SDL_FreeCursor(arrow);
    arrow = nullptr;
    if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoStarted = false;
    SDL_QuitSubSystem(SDL_INIT_TIMER);
}

bool SdlPlatform::CreateWindow(const std::string& title, int width, int height, int bits,
                               bool fullscreen)
{
    Uint32 flags = fullscreen ? SDL_WINDOW_FULLSCREEN : 0;
    bool made = window.Create(title, width, height, bits, flags,
                              fullscreen && haveFullscreenMode ? &fullscreenMode : nullptr);
    if (made && fullscreen && !IsFullscreenAt(width, height)) {
        window.Destroy();
        made = false;
    }
    if (made) {
        SDL_ShowWindow(window.Handle());
        SDL_RaiseWindow(window.Handle());
    }
    return made;
}

// A fullscreen window that the system made in another size would show the
// playfield in a corner of a black screen.
bool SdlPlatform::IsFullscreenAt(int width, int height) const
{
    if (!(SDL_GetWindowFlags(window.Handle()) & SDL_WINDOW_FULLSCREEN)) return false;
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window.Handle(), &w, &h);
    return w == width && h == height;
}

void SdlPlatform::DestroyWindow() { window.Destroy(); }

void SdlPlatform::MinimizeWindow()
{
    if (window.Exists()) SDL_MinimizeWindow(window.Handle());
}

bool SdlPlatform::ChangeScreenResolution(int width, int height, int bits)
{
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    wanted.format = bits <= 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    // The closest mode may be larger (a desktop of 1024 x 768 offers only
    // itself); only the size asked for is a successful switch.
    haveFullscreenMode = SDL_GetClosestDisplayMode(0, &wanted, &fullscreenMode) != nullptr &&
                         fullscreenMode.w == width && fullscreenMode.h == height;
    return haveFullscreenMode;
}

// SDL gives the desktop its own mode back when a fullscreen window goes.
void SdlPlatform::RestoreDisplayMode() {}

bool SdlPlatform::PeekMessage(Message& message)
{
    SDL_Event event;
    while (queue.empty() && SDL_PollEvent(&event)) Translate(event);
    if (queue.empty()) return false;
    message = queue.front();
    queue.pop_front();
    return true;
}

void SdlPlatform::WaitMessage()
{
    SDL_Event event;
    if (queue.empty() && SDL_WaitEvent(&event)) Translate(event);
}

void SdlPlatform::PostMessage(const Message& message) { queue.push_back(message); }

void SdlPlatform::SwapBuffers()
{
    if (window.Exists()) SDL_GL_SwapWindow(window.Handle());
}

uint32_t SdlPlatform::GetTickCount() { return SDL_GetTicks(); }

void SdlPlatform::Sleep(uint32_t ms) { SDL_Delay(ms); }

void SdlPlatform::ShowMessageBox(const std::string& caption, const std::string& text,
                                 MessageBoxIcon icon)
{
    Uint32 flags = icon == MessageBoxIcon::Exclamation ? SDL_MESSAGEBOX_WARNING : 0;
    // Logged too: for a player who started the game from a terminal, and
    // for where no box can be shown (an X server without fonts).
    SDL_Log("%s: %s", caption.c_str(), text.c_str());
    // Boxes may come before the window system is set up (start-up loading).
    StartVideo();
    SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), nullptr);
}

void SdlPlatform::SetCharTranslation(bool on)
{
    charTranslation = on;
    if (on) SDL_StartTextInput();
    else SDL_StopTextInput();
}

void SdlPlatform::ApplyCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlPlatform::Translate(const SDL_Event& event)
{
    if (event.type == SDL_WINDOWEVENT) {
        TranslateWindowEvent(event.window);
        return;
    }
    bool minimized = window.Exists() && (SDL_GetWindowFlags(window.Handle()) & SDL_WINDOW_MINIMIZED);
    for (const Message& m : events.Translate(event, charTranslation, minimized)) queue.push_back(m);
}

void SdlPlatform::TranslateWindowEvent(const SDL_WindowEvent& event)
{
    if (!window.Exists() || event.windowID != window.Id()) return;
    bool minimized = SDL_GetWindowFlags(window.Handle()) & SDL_WINDOW_MINIMIZED;
    SDL_Event wrapped{};
    wrapped.window = event;
    for (const Message& m : events.Translate(wrapped, charTranslation, minimized)) {
        Message sized = m;
        if (m.type == MsgType::SizeRestored) SDL_GetWindowSize(window.Handle(), &sized.x, &sized.y);
        queue.push_back(sized);
    }
}
