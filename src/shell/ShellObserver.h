#pragma once
#include <cstdint>
#include <string>
#include "shell/Platform.h"

// Watches a run of the shell from outside the game: the messages the
// window procedure handles, the frames and the message boxes. Recording
// and tracing play are built on it.
class ShellObserver {
public:
    virtual ~ShellObserver() = default;
    // A message, before the window procedure handles it.
    virtual void MessageArrived(const Message& message) = 0;
    // A frame has run: updated with elapsedMs, swapped, drawn.
    virtual void FrameRan(uint32_t elapsedMs) = 0;
    // The window was minimised: the shell waited for a message instead.
    virtual void FrameSkipped() = 0;
    virtual void MessageBoxShown(const std::string& caption, const std::string& text) = 0;
};

// At most one observer at a time; null removes it.
void SetShellObserver(ShellObserver* observer);
