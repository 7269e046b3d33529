#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include "effects/ParticleSystem.h"
#include "levels/SwitchRegistry.h"
#include "objects/BaseObjectMan.h"
#include "resources/TextureHandle.h"
#include "text/TextBox.h"

class BaseObject;
class Player;
struct KeyState;
namespace stext { class TextStream; }

// The game's states: what runs each step and what is drawn each frame.
enum GameState : int32_t {
    STATE_PLAY = 0,
    STATE_EDITOR = 1,
    STATE_CREDITS = 2,
    STATE_OBJECT_PROMPT = 3,
    STATE_SAVE_PROMPT = 4,
    STATE_LOAD_PROMPT = 5
};

// The hub of the game: runs the world while playing, holds it still while
// editing, loads and saves levels, keeps the switch registry, the particle
// system, the messages and hints, and draws the overlays of each state.
class LevelManager {
public:
    static constexpr float COMPLETE_DELAY = 2.0f;
    static constexpr float MESSAGE_TIME = 2.0f;

    explicit LevelManager(stext::TextStream* stream);
    ~LevelManager();

    // Called by the driver.
    void Update(float dt, const KeyState* keys);
    void Draw();
    void OnClick(int32_t button, int32_t x, int32_t y);
    bool KeyInput(uint8_t key, bool isChar);
    int32_t GetState() const { return state; }
    void SetState(int32_t newState);

    // Level and save files.
    void LoadLevel(const std::string& name);
    void SaveLevel(const std::string& name);
    void LoadGame();
    void SaveGame();
    void RestartLevel();

    // Called by world objects.
    void CompleteLevel(const std::string& nextFile);
    void ShowMessage(const std::string& text);
    void SetHint(const std::string& text);
    void Prompt(const std::string& label, const std::string& defaultText, BaseObject* asker);
    void SetPlayer(Player* p) { player = p; }
    void ClearPlayer(Player* p);
    Player* GetPlayer() const { return player; }
    // The player's centre, or (0, 0) when the level has no player.
    std::pair<float, float> GetPlayerPosition() const;
    bool AddSwitch(Switch* s, uint32_t id) { return switches.AddSwitch(s, id); }
    void RemoveSwitch(Switch* s, uint32_t id) { switches.RemoveSwitch(s, id); }
    bool IsSwitchOn(uint32_t id) const { return switches.IsSwitchOn(id); }
    uint32_t NextFreeSwitchId() const { return switches.NextFreeSwitchId(); }
    ParticleSystem& GetParticles() { return particles; }
    stext::TextStream* GetTextStream() const { return textStream; }

    // What the game shows, for the replay tool and tests.
    const std::string& GetCurrentLevel() const { return currentLevel; }
    bool IsLevelComplete() const { return levelComplete; }
    float GetTimer() const { return timer; }
    const std::string& GetMessage() const { return message; }
    const std::string& GetHint() const { return hint; }
    BaseObject* GetSelected() const { return selected; }
    bool IsInputBlocked() const { return inputBlocked; }
    TextBox& GetMessageBox() { return messageBox; }

private:
    void UpdatePlay(float dt, const KeyState* keys);
    void UpdateLevelComplete();
    void LeaveState(int32_t oldState);
    void EnterState(int32_t newState);
    void BuildPalette();
    float PlaceOnPalette(ObjectType type, float x, float y, const std::set<BaseObject*>& before,
                         std::set<BaseObject*>& made);
    bool HasPalette() const;
    void DrawPlay();
    void DrawHud();
    void DrawNitrogenCount();
    void DrawCredits();
    void DrawSelection();

    TextureHandle hudBase;
    TextureHandle hudRightBadge;  // texture 15, drawn right of the count
    TextureHandle hudLeftBadge;   // texture 16, drawn left of the count
    TextureHandle selectionMark;
    TextureHandle creditsBackground;
    stext::TextStream* textStream;
    Player* player = nullptr;
    BaseObject* selected = nullptr;
    BaseObject* promptor = nullptr;
    ParticleSystem particles;
    int32_t state = STATE_PLAY;
    float timer = 0.0f;
    SwitchRegistry switches;
    TextBox messageBox;
    std::string message;
    std::string hint;
    std::string currentLevel = "save.dat";
    bool levelComplete = true;
    bool inputBlocked = false;
    BaseObjectMan objectManager;
};
