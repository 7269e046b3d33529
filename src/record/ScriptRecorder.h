#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include "shell/Platform.h"

// Writes a run as a replay script: every message the window procedure
// handles that a replay cannot make itself, at the frame it arrived in, and
// each frame's elapsed time in a line where it changes. Frames are counted
// as the replay counts them: each frame run and each wait while minimised.
class ScriptRecorder {
public:
    bool Open(const std::string& path);
    bool IsOpen() const { return out.is_open(); }
    void Comment(const std::string& text);

    // Before the window procedure handles the message. charTranslation is
    // whether the shell translates keys into characters at that moment.
    void MessageArrived(const Message& message, bool charTranslation);
    void FrameRan(uint32_t elapsedMs);
    // A wait while minimised: a frame that passes in no time of its own, as
    // the time is counted by the next frame that runs.
    void FrameSkipped() { EndFrame(0); }

    // Closes the script; false when it could not be written.
    bool Finish();

private:
    void EndFrame(uint32_t frameTime);
    void Write(const std::string& line);

    std::ofstream out;
    uint32_t frame = 0;
    bool timeWritten = false;
    uint32_t lastTime = 0;
    // The character a replay makes of the key just put down.
    uint32_t madeCharacter = 0;
    bool wroteInFrame = false;
};

// The script line for a message handled in the given frame, or "" for the
// messages a replay makes itself or that change nothing but the cursor.
std::string ScriptLine(uint32_t frame, const Message& message);
