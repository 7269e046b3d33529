// The level reader with the game's own makers, as a shared level reaches
// the game: loaded, played for a few steps with the player walking and
// firing, saved, loaded again and opened in the editor.
#include <cstdlib>
#include <cstring>
#include "FuzzSupport.h"
#include "levels/LevelManager.h"
#include "objects/BaseObjectMan.h"
#include "resources/ResourceManager.h"
#include "shell/KeyState.h"
#include "shell/VirtualKeys.h"
#include "text/Font.h"
#include "text/TextStream.h"

namespace {

// Every object meets every other in each step, and the particle pool is
// walked whole: a few steps keep the target fast enough for millions of
// levels.
constexpr int STEPS = 16;

// The keys held in a step: a walk right, a shot, a freeze beam, a walk up
// and one left.
uint8_t KeyOfStep(int step)
{
    if (step >= 1 && step < 7) return VK_RIGHT;
    if (step == 7) return 'F';
    if (step == 9) return 'D';
    if (step >= 10 && step < 13) return VK_UP;
    if (step >= 13) return VK_LEFT;
    return 0;
}

void Play(LevelManager& level, BaseObjectMan& world)
{
    KeyState keys;
    std::memset(&keys, 0, sizeof keys);
    for (int step = 0; step < STEPS; ++step) {
        std::memcpy(keys.previous, keys.down, sizeof keys.down);
        std::memset(keys.down, 0, sizeof keys.down);
        if (uint8_t key = KeyOfStep(step)) keys.down[key] = 1;
        level.Update(0.01f, &keys);
        // What the frame's Draw does before drawing.
        world.removeDead();
    }
}

} // namespace

// The level manager reads and writes below Data/Levels in the working
// directory.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterFuzzScratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteFuzzFile("Data/Levels/fuzz.dat", data, size);
    stext::Font font(2, 16.0f);
    stext::TextStream stream(&font);
    BaseObjectMan world;
    {
        LevelManager level(&stream);
        level.LoadLevel("fuzz.dat");
        Play(level, world);
        level.SaveLevel("saved.dat");
        level.LoadLevel("saved.dat");
        level.SetState(STATE_EDITOR);
        world.removeDead();
        level.SetState(STATE_PLAY);
        // The objects go before the level manager they point to.
        world.deleteAll();
    }
    // As the game does at exit: each input leaves nothing behind.
    ResourceManager::Instance()->ReleaseAll(0);
    return 0;
}
