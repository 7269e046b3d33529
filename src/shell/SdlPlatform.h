#pragma once
#include <deque>
#include "shell/Platform.h"
#include "shell/SdlEvents.h"
#include "shell/SdlWindow.h"

// The desktop platform: a real window, the keyboard and mouse, the clock
// and message boxes, all through SDL2.
class SdlPlatform : public Platform {
public:
    bool RegisterWindowClass() override;
    void UnregisterWindowClass() override;
    bool CreateWindow(const std::string& title, int width, int height, int bits,
                      bool fullscreen) override;
    void DestroyWindow() override;
    void MinimizeWindow() override;
    bool ChangeScreenResolution(int width, int height, int bits) override;
    void RestoreDisplayMode() override;
    bool PeekMessage(Message& message) override;
    void WaitMessage() override;
    void PostMessage(const Message& message) override;
    void SwapBuffers() override;
    uint32_t GetTickCount() override;
    void Sleep(uint32_t ms) override;
    void ShowMessageBox(const std::string& caption, const std::string& text,
                        MessageBoxIcon icon) override;
    void SetCharTranslation(bool on) override;

protected:
    void ApplyCursor(bool visible) override;

private:
    bool StartVideo();
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_WindowEvent& event);
    bool IsFullscreenAt(int width, int height) const;

    SdlWindow window;
    SdlEventTranslator events;
    std::deque<Message> queue;
    SDL_DisplayMode fullscreenMode{};
    bool haveFullscreenMode = false;
    bool charTranslation = false;
    SDL_Cursor* arrow = nullptr;
    bool videoStarted = false;
};
