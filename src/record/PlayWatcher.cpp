#include "record/PlayWatcher.h"
#include "record/ScriptRecorder.h"
#include "resources/SoundManager.h"
#include "shell/GameDriver.h"
#include "shell/Shell.h"

PlayWatcher::PlayWatcher(GameDriver& driver, TraceWriter* trace, ScriptRecorder* recorder)
    : driver(driver), trace(trace), recorder(recorder)
{
    SetShellObserver(this);
    SoundManager::SetPlayObserver([this](uint32_t id, bool loop) { sounds.push_back(SoundPlay{id, loop}); });
}

PlayWatcher::~PlayWatcher()
{
    SoundManager::SetPlayObserver(nullptr);
    SetShellObserver(nullptr);
}

// The saved game is loaded before the first message or frame; a replay of
// the recording has to start from the same level.
void PlayWatcher::NoteStart()
{
    if (started) return;
    started = true;
    if (recorder)
        recorder->Comment("Starts on " + driver.GetLevelManager().GetCurrentLevel() +
                          ", the level in Data/Levels/save.dat when the recording began.");
}

void PlayWatcher::MessageArrived(const Message& message)
{
    NoteStart();
    if (recorder) recorder->MessageArrived(message, shell.charTranslation);
}

void PlayWatcher::FrameRan(uint32_t elapsedMs)
{
    NoteStart();
    totalMs += elapsedMs;
    if (afterDraw) afterDraw(framesDrawn);
    if (trace) trace->FrameDrawn(framesDrawn, totalMs, driver, boxes, sounds);
    if (recorder) recorder->FrameRan(elapsedMs);
    ++framesDrawn;
}

void PlayWatcher::FrameSkipped()
{
    NoteStart();
    if (recorder) recorder->FrameSkipped();
}

void PlayWatcher::MessageBoxShown(const std::string& caption, const std::string& text)
{
    boxes.push_back(ShownBox{caption, text});
}
