#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>
#include "shell/Platform.h"
#include "shell/SdlWindow.h"

struct RecordedMessageBox {
    uint32_t frame;
    std::string caption;
    std::string text;
};

// Runs the program with no display and no user: an offscreen GL context,
// a clock the caller advances, input from a script of frame-numbered
// messages, and message boxes recorded instead of waiting for a click.
class HeadlessPlatform : public Platform {
public:
    // Each frame advances the clock by frameMs before its Update.
    explicit HeadlessPlatform(uint32_t frameMs = 10);

    // From the given frame on, each frame advances the clock by ms instead
    // (0 too), until a later frame sets another time. Frames that pass
    // minimised advance it as well.
    void SetFrameTime(uint32_t fromFrame, uint32_t ms) { frameTimes[fromFrame] = ms; }

    // Delivers a message before the Update of the given frame. Messages of
    // one frame arrive in the order they were queued.
    void QueueInput(uint32_t frame, const Message& message);
    // After this many frames the run stops as if the window were closed.
    void SetFrameLimit(uint32_t frames) { frameLimit = frames; }
    // Lets a window creation fail, to exercise the shell's error paths.
    void FailNextWindows(int count) { windowFailures = count; }
    void SetModeSwitchWorks(bool works) { modeSwitchWorks = works; }
    // Lets fullscreen windows fail after a working mode switch.
    void SetFullscreenWindowsWork(bool work) { fullscreenWindowsWork = work; }

    uint32_t Frame() const { return frame; }
    bool StoppedByLimit() const { return stoppedByLimit; }
    bool CharTranslation() const { return charTranslation; }
    const std::vector<RecordedMessageBox>& MessageBoxes() const { return boxes; }
    int WindowsCreated() const { return windowsCreated; }
    bool WindowIsFullscreen() const { return fullscreen; }

    bool RegisterWindowClass() override;
    void UnregisterWindowClass() override;
    bool CreateWindow(const std::string& title, int width, int height, int bits,
                      bool fullscreen) override;
    void DestroyWindow() override;
    void MinimizeWindow() override {}
    bool ChangeScreenResolution(int width, int height, int bits) override;
    void RestoreDisplayMode() override {}
    bool PeekMessage(Message& message) override;
    void WaitMessage() override;
    void PostMessage(const Message& message) override;
    void SwapBuffers() override;
    uint32_t GetTickCount() override { return clock; }
    void Sleep(uint32_t ms) override { clock += ms; }
    void ShowMessageBox(const std::string& caption, const std::string& text,
                        MessageBoxIcon icon) override;
    void SetCharTranslation(bool on) override { charTranslation = on; }

protected:
    void ApplyCursor(bool) override {}

private:
    bool DeliverScripted(Message& message);
    uint32_t FrameLength() const;

    uint32_t frameMs;
    uint32_t clock = 0;
    uint32_t frame = 0;
    bool frameStarted = false;
    uint32_t frameLimit = UINT32_MAX;
    bool stoppedByLimit = false;
    bool charTranslation = false;
    bool modeSwitchWorks = true;
    bool fullscreenWindowsWork = true;
    bool fullscreen = false;
    int windowFailures = 0;
    int windowsCreated = 0;
    std::map<uint32_t, uint32_t> frameTimes;
    std::multimap<uint32_t, Message> script;
    std::deque<Message> posted;
    std::vector<RecordedMessageBox> boxes;
    SdlWindow window;
};
