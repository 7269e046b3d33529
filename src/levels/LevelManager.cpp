#include "levels/LevelManager.h"
#include "objects/BaseObject.h"
#include "objects/Makers.h"
#include "objects/Player.h"
#include "shell/Assertion.h"
#include "shell/KeyState.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"
#include "text/TextStream.h"

namespace {
constexpr uint32_t HUD_BASE_TEXTURE = 14;
constexpr uint32_t HUD_RIGHT_BADGE_TEXTURE = 15;
constexpr uint32_t HUD_LEFT_BADGE_TEXTURE = 16;
constexpr uint32_t SELECTION_TEXTURE = 17;
constexpr uint32_t PANEL_TEXTURE = 18;
constexpr float PROMPT_X = 250.0f;
constexpr float PROMPT_Y = 300.0f;
constexpr float PROMPT_WIDTH_IN_LINES = 15.0f;
constexpr uint32_t ANY_TEXT_FILTER = 0;
}

LevelManager::LevelManager(stext::TextStream* stream)
    : hudBase(HUD_BASE_TEXTURE),
      hudRightBadge(HUD_RIGHT_BADGE_TEXTURE),
      hudLeftBadge(HUD_LEFT_BADGE_TEXTURE),
      selectionMark(SELECTION_TEXTURE),
      creditsBackground(PANEL_TEXTURE),
      textStream(stream),
      messageBox(stream, PROMPT_WIDTH_IN_LINES * stream->GetFontSize())
{
    LinkMakers();
}

LevelManager::~LevelManager() { switches.Clear(); }

void LevelManager::Update(float dt, const KeyState* keys)
{
    switch (state) {
    case STATE_PLAY:
        UpdatePlay(dt, keys);
        break;
    case STATE_EDITOR:
        if (keys && keys->IsDown(VK_DELETE) && selected && !selected->isTool()) {
            selected->kill();
            selected = nullptr;
        }
        break;
    case STATE_OBJECT_PROMPT:
    case STATE_SAVE_PROMPT:
    case STATE_LOAD_PROMPT:
        messageBox.Update(dt);
        if (messageBox.IsDone()) SetState(STATE_EDITOR);
        break;
    default:
        break;
    }
}

void LevelManager::UpdatePlay(float dt, const KeyState* keys)
{
    particles.Update(dt);
    hint = "";
    if (!levelComplete) objectManager.updateAll(dt, keys);
    else UpdateLevelComplete();

    if (timer > 0.0f) {
        timer -= dt;
        if (timer <= 0.0f) {
            timer = 0.0f;
            if (levelComplete) LoadLevel(currentLevel);
        }
    }
}

// The world stands still while "Level Complete!" shows; about a second in,
// the next level loads, and play resumes one step after that.
void LevelManager::UpdateLevelComplete()
{
    if (timer > 0.0f && timer < 1.0f) {
        LoadLevel(currentLevel);
        levelComplete = true;
        timer = 0.0f;
    } else if (timer <= 0.0f) {
        levelComplete = false;
        timer = 0.0f;
    }
}

bool LevelManager::KeyInput(uint8_t key, bool isChar) { return messageBox.KeyInput(key, isChar); }

void LevelManager::SetState(int32_t newState)
{
    if (newState == state) return;
    int32_t oldState = state;
    state = newState;
    inputBlocked = false;
    particles.Clear();
    LeaveState(oldState);
    EnterState(newState);
}

void LevelManager::LeaveState(int32_t oldState)
{
    switch (oldState) {
    case STATE_SAVE_PROMPT:
        currentLevel = messageBox.GetText();
        SaveLevel(currentLevel);
        messageBox.Close();
        break;
    case STATE_LOAD_PROMPT:
        currentLevel = messageBox.GetText();
        LoadLevel(currentLevel);
        messageBox.Close();
        break;
    case STATE_OBJECT_PROMPT:
        if (promptor) promptor->textEntered(messageBox.GetText());
        else ErrorBox("promptor != 0");
        messageBox.Close();
        break;
    default:
        break;
    }
}

void LevelManager::EnterState(int32_t newState)
{
    switch (newState) {
    case STATE_PLAY:
        objectManager.deleteAll();
        SetCursorVisible(false);
        break;
    case STATE_EDITOR:
        SetCursorVisible(true);
        selected = nullptr;
        // Back from a prompt the palette is still there (or the load just
        // built one); another on top would only stack copies.
        if (!HasPalette()) BuildPalette();
        break;
    case STATE_OBJECT_PROMPT:
    case STATE_SAVE_PROMPT:
    case STATE_LOAD_PROMPT: {
        inputBlocked = true;
        bool objectPrompt = newState == STATE_OBJECT_PROMPT;
        std::string label = objectPrompt ? message : "Enter Filename:";
        std::string defaultText = objectPrompt ? hint : currentLevel;
        messageBox.Open(PROMPT_X, PROMPT_Y, ANY_TEXT_FILTER, label, defaultText);
        hint = "";
        message = "";
        break;
    }
    default:
        break;
    }
}

void LevelManager::CompleteLevel(const std::string& nextFile)
{
    levelComplete = true;
    timer = COMPLETE_DELAY;
    currentLevel = nextFile;
}

void LevelManager::ShowMessage(const std::string& text)
{
    message = text;
    timer = MESSAGE_TIME;
}

void LevelManager::SetHint(const std::string& text) { hint = text; }

void LevelManager::Prompt(const std::string& label, const std::string& defaultText, BaseObject* asker)
{
    if (inputBlocked) return;
    message = label;
    hint = defaultText;
    promptor = asker;
    VK_ASSERT(promptor != 0, "levels");
    SetState(STATE_OBJECT_PROMPT);
}

std::pair<float, float> LevelManager::GetPlayerPosition() const
{
    return player ? player->getPosition() : std::make_pair(0.0f, 0.0f);
}

void LevelManager::ClearPlayer(Player* p)
{
    if (player == p) player = nullptr;
}
