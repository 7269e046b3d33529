#pragma once
#include <cstdint>
#include "levels/LevelManager.h"
#include "objects/BaseObjectMan.h"
#include "resources/SoundHandle.h"
#include "resources/TextureHandle.h"
#include "shell/FpsCounter.h"
#include "shell/GameHooks.h"
#include "shell/StepClock.h"
#include "text/Font.h"
#include "text/TextStream.h"

struct GameWindow;
struct KeyState;

// The game's side of the shell: owns the program-wide objects, turns frame
// time into fixed steps for the level manager, keeps the frame counter and
// the music going, and handles the global keys.
class GameDriver : public GameHooks {
public:
    static constexpr float MUSIC_PERIOD = 55.0f;

    GameDriver();
    ~GameDriver() override;

    bool Initialize(GameWindow& window) override;
    bool InitGL() override;
    void Update(uint32_t milliseconds) override;
    void Draw() override;
    void ReleaseGLResources() override;
    void Deinitialize() override;
    void OnMouseClick(int button) override;
    static void OnKeyInput(uint8_t key, bool isChar);

    void TickFps(float seconds) { fpsCounter.TickFps(seconds); }
    uint32_t GetFps() const { return fpsCounter.GetFps(); }

    LevelManager& GetLevelManager() { return levelManager; }
    stext::TextStream& GetTextStream() { return textStream; }
    bool IsMusicOn() const { return musicOn; }
    float MusicTimer() const { return musicTimer; }
    float StepAccumulator() const { return stepClock.Accumulated(); }

    // The driver of the running program, for the key callback.
    static GameDriver* Current();

private:
    void UpdateMusic(float dt);
    void ToggleMusic();
    void HandleGlobalKeys();

    // Program-wide objects, in construction order.
    BaseObjectMan objectManager;
    stext::Font font;
    stext::TextStream textStream;
    LevelManager levelManager;
    TextureHandle background;
    SoundHandle music;

    GameWindow* window = nullptr;
    KeyState* keys = nullptr;
    bool musicOn = true;
    float musicTimer = 0.0f;
    StepClock stepClock;
    FpsCounter fpsCounter;
};
