#pragma once
#include <cstring>
#include <initializer_list>
#include "levels/LevelManager.h"
#include "objects/ProbeObject.h"
#include "shell/KeyState.h"
#include "support/RecordingPlatform.h"
#include "text/Font.h"
#include "text/TextStream.h"

// An empty world with a level manager made as the driver makes it, message
// boxes recorded, and a key-state block in which the test holds keys.
class WorldTest : public ObjectListTest {
protected:
    static constexpr float DT = 0.01f;

    void Hold(std::initializer_list<uint8_t> held)
    {
        std::memset(keys.down, 0, sizeof keys.down);
        for (uint8_t key : held) keys.down[key] = 1;
    }
    void Step(int count = 1)
    {
        while (count-- > 0) man.updateAll(DT, &keys);
    }

    ScopedHeadlessPlatform platform;
    stext::Font font{2, 16.0f};
    stext::TextStream text{&font};
    LevelManager levman{&text};
    KeyState keys{};
};
