#include "shell/HeadlessPlatform.h"
#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include "shell/VirtualKeys.h"

HeadlessPlatform::HeadlessPlatform(uint32_t frameMs) : frameMs(frameMs) {}

void HeadlessPlatform::QueueInput(uint32_t atFrame, const Message& message)
{
    script.emplace(atFrame, message);
}

bool HeadlessPlatform::RegisterWindowClass()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

void HeadlessPlatform::UnregisterWindowClass() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

bool HeadlessPlatform::CreateWindow(const std::string& title, int width, int height, int bits,
                                    bool full)
{
    if (windowFailures > 0) {
        --windowFailures;
        return false;
    }
    if (full && !fullscreenWindowsWork) return false;
    if (!window.Create(title, width, height, bits, 0, nullptr)) return false;
    fullscreen = full;
    ++windowsCreated;
    return true;
}

void HeadlessPlatform::DestroyWindow() { window.Destroy(); }

bool HeadlessPlatform::ChangeScreenResolution(int, int, int) { return modeSwitchWorks; }

bool HeadlessPlatform::DeliverScripted(Message& message)
{
    auto it = script.begin();
    if (it == script.end() || it->first > frame) return false;
    message = it->second;
    script.erase(it);
    // Character messages exist only while the shell translates keys.
    if (message.type == MsgType::Char && !charTranslation) return DeliverScripted(message);
    if (message.type == MsgType::KeyDown && charTranslation) {
        uint8_t control = ControlCharacterOf(static_cast<uint8_t>(message.wParam));
        if (control) posted.push_front(Message{MsgType::Char, control});
    }
    return true;
}

bool HeadlessPlatform::PeekMessage(Message& message)
{
    if (!posted.empty()) {
        message = posted.front();
        posted.pop_front();
        return true;
    }
    if (DeliverScripted(message)) return true;
    if (frame >= frameLimit && !stoppedByLimit) {
        stoppedByLimit = true;
        message = Message{MsgType::Stop};
        return true;
    }
    // No message: the shell runs a frame now (or waits, when minimized),
    // and the frame's time passes.
    if (!frameStarted) {
        clock += FrameLength();
        frameStarted = true;
    }
    return false;
}

uint32_t HeadlessPlatform::FrameLength() const
{
    auto after = frameTimes.upper_bound(frame);
    return after == frameTimes.begin() ? frameMs : std::prev(after)->second;
}

// While minimized no frame runs; frames still pass, so that the script's
// next event can arrive.
void HeadlessPlatform::WaitMessage()
{
    ++frame;
    frameStarted = false;
}

void HeadlessPlatform::PostMessage(const Message& message) { posted.push_back(message); }

void HeadlessPlatform::SwapBuffers()
{
    // The offscreen driver does not throttle: finish the frame so that
    // commands cannot pile up without bound.
    if (window.Exists()) glFinish();
    ++frame;
    frameStarted = false;
}

void HeadlessPlatform::ShowMessageBox(const std::string& caption, const std::string& text,
                                      MessageBoxIcon)
{
    boxes.push_back(RecordedMessageBox{frame, caption, text});
    std::fprintf(stderr, "message box [%s] %s\n", caption.c_str(), text.c_str());
}
