#pragma once
#include <cstdint>
#include <functional>
#include <vector>
#include "record/TraceWriter.h"
#include "shell/ShellObserver.h"

class GameDriver;
class ScriptRecorder;

// Watches a run of the game for its trace and its recording, the same way
// in the real game and in a replay: counts the frames drawn and the time
// they were given, collects the message boxes and the sounds started, and
// hands every frame to the trace writer and the script recorder (either may
// be absent). Installs itself as the shell's observer while it lives.
class PlayWatcher : public ShellObserver {
public:
    PlayWatcher(GameDriver& driver, TraceWriter* trace, ScriptRecorder* recorder);
    ~PlayWatcher() override;
    PlayWatcher(const PlayWatcher&) = delete;
    PlayWatcher& operator=(const PlayWatcher&) = delete;

    // Runs after each frame is drawn, with the frame's number, while its
    // picture is still in the back buffer.
    std::function<void(uint32_t frame)> afterDraw;

    void MessageArrived(const Message& message) override;
    void FrameRan(uint32_t elapsedMs) override;
    void FrameSkipped() override;
    void MessageBoxShown(const std::string& caption, const std::string& text) override;

private:
    void NoteStart();

    GameDriver& driver;
    TraceWriter* trace;
    ScriptRecorder* recorder;
    bool started = false;
    uint32_t framesDrawn = 0;
    uint32_t totalMs = 0;
    std::vector<ShownBox> boxes;
    std::vector<SoundPlay> sounds;
};
