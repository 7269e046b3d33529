#include "shell/GameDriver.h"
#include <GL/gl.h>
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"
#include "resources/TextureManager.h"
#include "shell/GlState.h"
#include "shell/GlobalKeys.h"
#include "shell/Platform.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"

namespace {
GameDriver* current = nullptr;
constexpr uint32_t FONT_TEXTURE = 2;
constexpr uint32_t BACKGROUND_TEXTURE = 20;
constexpr uint32_t MUSIC_SOUND = 2;
constexpr float FONT_SIZE = 16.0f;
}

GameDriver::GameDriver()
    : font(FONT_TEXTURE, FONT_SIZE),
      textStream(&font),
      levelManager(&textStream),
      background(BACKGROUND_TEXTURE),
      music(MUSIC_SOUND)
{
    current = this;
}

GameDriver::~GameDriver()
{
    if (current == this) current = nullptr;
}

GameDriver* GameDriver::Current() { return current; }

bool GameDriver::Initialize(GameWindow& w)
{
    current = this;
    window = &w;
    keys = w.keys;
    w.title = "Velkamire";
    w.width = 800;
    w.height = 600;
    w.fullscreen = false;
    w.cursorVisible = false;
    w.keyCallback = &GameDriver::OnKeyInput;

    TextureManager::Instance()->LoadList("textures.txt");
    SoundManager::Instance()->LoadList("sounds.txt");
    SoundManager::Instance()->LoadAll();
    if (!font.Load("Data/font.dat")) ErrorBox("Error loading font widths");
    levelManager.LoadGame();
    GetPlatform().Sleep(1000);
    return true;
}

bool GameDriver::InitGL()
{
    SetGameGlState();
    TextureManager::Instance()->LoadAll();
    // A player who turned the music off keeps it off across F11.
    if (musicOn) music.Play(true);
    return true;
}

void GameDriver::ReleaseGLResources() { TextureManager::Instance()->Disable(); }

void GameDriver::Deinitialize()
{
    objectManager.deleteAll();
    ResourceManager::Instance()->ReleaseAll(0);
}

void GameDriver::UpdateMusic(float dt)
{
    if (!musicOn) return;
    musicTimer += dt;
    if (musicTimer >= MUSIC_PERIOD) {
        music.Play(false);
        musicTimer -= MUSIC_PERIOD;
    }
}

// Off is silence at once; on starts the track again from the top, looping,
// as a new window does. The restart timer only stands still while off.
void GameDriver::ToggleMusic()
{
    musicOn = !musicOn;
    if (musicOn) music.Play(true);
    else music.Stop();
}

void GameDriver::Update(uint32_t ms)
{
    float dt = StepClock::FrameSeconds(ms);
    UpdateMusic(dt);
    TickFps(dt);
    for (uint32_t steps = stepClock.Advance(dt); steps > 0; --steps)
        levelManager.Update(StepClock::STEP_LENGTH, keys);
    HandleGlobalKeys();
}

void GameDriver::HandleGlobalKeys()
{
    if (keys->IsPressed(VK_F11)) RequestFullscreenToggle(*window);
    if (keys->IsDown(VK_ESCAPE)) TerminateApplication(*window);
    if (keys->IsPressed('M')) ToggleMusic();

    switch (ChooseLevelKeyAction(*keys, levelManager.GetState())) {
    case LevelKeyAction::ClearObjects: objectManager.deleteAll(); break;
    case LevelKeyAction::RestartLevel: levelManager.RestartLevel(); break;
    case LevelKeyAction::SaveGame: levelManager.SaveGame(); break;
    case LevelKeyAction::EditLevels:
        levelManager.SetState(1);
        levelManager.LoadGame();
        break;
    case LevelKeyAction::PlayLevels:
        levelManager.SetState(0);
        levelManager.LoadGame();
        break;
    case LevelKeyAction::None: break;
    }
}

void GameDriver::Draw()
{
    Gl().color3f(1.0f, 1.0f, 1.0f);
    background.Bind();
    DrawQuad(400, 300, 800, 600);
    levelManager.Draw();
    glLoadIdentity();
    textStream << stext::Align(0, 0) << stext::Pos(0, 600) << stext::Color(0xFF0000) << "FPS: "
               << GetFps() << stext::End;
}

void GameDriver::OnMouseClick(int button)
{
    levelManager.OnClick(button, shell.mouseX, 600 - shell.mouseY);
}

void GameDriver::OnKeyInput(uint8_t key, bool isChar)
{
    if (current) current->levelManager.KeyInput(key, isChar);
}
