#pragma once
#include <cstdint>

struct KeyState;
namespace stext { class TextStream; }

// Stand-in until the level manager lands: keeps the state number only.
class LevelManager {
public:
    explicit LevelManager(stext::TextStream* stream) : stream(stream) {}
    void LoadGame() {}
    void SaveGame() {}
    void RestartLevel() {}
    void SetState(uint32_t s) { state = s; }
    uint32_t GetState() const { return state; }
    void Update(float, KeyState*) {}
    void Draw() {}
    void OnClick(int, int32_t, int32_t) {}
    bool KeyInput(uint8_t, bool) { return false; }

private:
    stext::TextStream* stream;
    uint32_t state = 0;
};
