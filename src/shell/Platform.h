#pragma once
#include <cstdint>
#include <string>

// What the window system tells the shell, in the shape of the window
// messages its window procedure handles.
enum class MsgType {
    Quit,              // ends the inner loop
    Close,             // the user closed the window
    SizeMinimized,
    SizeRestored,      // x, y: client width and height
    ActivateInactive,  // focus lost while not minimized
    ActivateActive,    // focus gained while not minimized
    ActivateMinimized, // focus change of a minimized window: default processing
    KeyDown,           // wParam: Windows virtual-key code
    KeyUp,
    Char,              // wParam: character code
    MouseMove,         // x, y: client pixels, y from the top
    NcMouseMove,       // the pointer is over the window frame
    LButtonDown,
    RButtonDown,
    ToggleFullscreen,  // the private toggle message
    Stop               // a headless run has used up its frames
};

struct Message {
    MsgType type = MsgType::Quit;
    uint32_t wParam = 0;
    int32_t x = 0;
    int32_t y = 0;
};

enum class MessageBoxIcon { None, Exclamation };

// The window, GL context, message queue, clock and message boxes the shell
// runs on. One implementation drives SDL2; another runs headless for tests
// and tools.
class Platform {
public:
    virtual ~Platform() = default;

    // Sets up the window system, as registering the window class does.
    virtual bool RegisterWindowClass() = 0;
    virtual void UnregisterWindowClass() = 0;

    // Creates the window with a double-buffered GL context made current.
    virtual bool CreateWindow(const std::string& title, int width, int height, int bits,
                              bool fullscreen) = 0;
    virtual void DestroyWindow() = 0;
    virtual void MinimizeWindow() = 0;
    // Switches the display to the closest mode; false when it cannot.
    virtual bool ChangeScreenResolution(int width, int height, int bits) = 0;
    virtual void RestoreDisplayMode() = 0;

    // Removes and returns the next message, if there is one.
    virtual bool PeekMessage(Message& message) = 0;
    virtual void WaitMessage() = 0;
    virtual void PostMessage(const Message& message) = 0;
    virtual void SwapBuffers() = 0;

    virtual uint32_t GetTickCount() = 0;
    virtual void Sleep(uint32_t ms) = 0;

    virtual void ShowMessageBox(const std::string& caption, const std::string& text,
                                MessageBoxIcon icon) = 0;
    // Character messages are produced only while translation is on.
    virtual void SetCharTranslation(bool on) = 0;

    // The cursor display counter: shown while it is 0 or more. Returns the
    // new count, as the system call does.
    int ShowCursor(bool show);
    int CursorCount() const { return cursorCount; }

protected:
    virtual void ApplyCursor(bool visible) = 0;
    // Sends the counter's state to the system again, for when the system
    // has reset its cursor (as starting the video does) without the count
    // changing.
    void ReapplyCursor() { ApplyCursor(cursorCount >= 0); }

private:
    int cursorCount = 0;
};

Platform& GetPlatform();
// The installed platform, or null when none is (plain unit tests).
Platform* TryGetPlatform();
void SetPlatform(Platform* platform);
