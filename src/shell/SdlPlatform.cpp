#include "shell/SdlPlatform.h"
#include "shell/SdlEvents.h"
#include "shell/VirtualKeys.h"

bool SdlPlatform::RegisterWindowClass()
{
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) == 0;
}

void SdlPlatform::UnregisterWindowClass() { SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER); }

bool SdlPlatform::CreateWindow(const std::string& title, int width, int height, int bits,
                               bool fullscreen)
{
    Uint32 flags = fullscreen ? SDL_WINDOW_FULLSCREEN : 0;
    bool made = window.Create(title, width, height, bits, flags,
                              fullscreen && haveFullscreenMode ? &fullscreenMode : nullptr);
    if (made) {
        SDL_ShowWindow(window.Handle());
        SDL_RaiseWindow(window.Handle());
    }
    return made;
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
    haveFullscreenMode = SDL_GetClosestDisplayMode(0, &wanted, &fullscreenMode) != nullptr;
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
    // Boxes may come before the window system is set up (start-up loading).
    if (!SDL_WasInit(SDL_INIT_VIDEO)) SDL_InitSubSystem(SDL_INIT_VIDEO);
    if (SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), nullptr) != 0)
        SDL_Log("%s: %s", caption.c_str(), text.c_str());
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
    for (const Message& m : MessagesFromSdlEvent(event, charTranslation, minimized)) queue.push_back(m);
}

void SdlPlatform::TranslateWindowEvent(const SDL_WindowEvent& event)
{
    if (!window.Exists() || event.windowID != window.Id()) return;
    bool minimized = SDL_GetWindowFlags(window.Handle()) & SDL_WINDOW_MINIMIZED;
    SDL_Event wrapped{};
    wrapped.window = event;
    for (const Message& m : MessagesFromSdlEvent(wrapped, charTranslation, minimized)) {
        Message sized = m;
        if (m.type == MsgType::SizeRestored) SDL_GetWindowSize(window.Handle(), &sized.x, &sized.y);
        queue.push_back(sized);
    }
}
