#include <gtest/gtest.h>
#include <SDL2/SDL.h>
#include <functional>
#include <vector>
#include "shell/GameHooks.h"
#include "shell/GameWindow.h"
#include "shell/SdlPlatform.h"
#include "shell/Shell.h"

namespace {

// A game on the real SDL platform (offscreen driver) that runs a list of
// frames, one action each, and notes after each whether SDL shows the
// cursor.
class CursorGame : public GameHooks {
public:
    std::vector<std::function<void()>> frames;
    std::vector<bool> shown;

    bool Initialize(GameWindow& w) override
    {
        window = &w;
        w.title = "cursor test";
        w.width = 64;
        w.height = 48;
        w.fullscreen = false;
        w.cursorVisible = false;
        return true;
    }
    bool InitGL() override { return true; }
    void Update(uint32_t) override
    {
        shown.push_back(SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE);
        if (shown.size() <= frames.size()) frames[shown.size() - 1]();
        if (shown.size() > frames.size()) TerminateApplication(*window);
    }
    void Draw() override {}
    void ReleaseGLResources() override {}
    void Deinitialize() override {}
    void OnMouseClick(int) override {}

private:
    GameWindow* window = nullptr;
};

void PushWindowEvent(SDL_WindowEventID id)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = id;
    e.window.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    SDL_PushEvent(&e);
}

void PushMouseMove()
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 10;
    e.motion.y = 10;
    SDL_PushEvent(&e);
}

// Starting SDL's video shows the cursor; the game's hidden cursor must
// survive that from the first frame, and the policy must reach SDL later:
// shown in the editor and when the pointer leaves, hidden again over the
// playfield.
TEST(SdlPlatform, TheCursorIsHiddenOverThePlayfieldFromTheFirstFrame)
{
    SdlPlatform platform;
    CursorGame game;
    game.frames = {
        [] {},
        [] { SetCursorVisible(true); },   // the editor
        [] { SetCursorVisible(false); },  // back to play
        [] { PushWindowEvent(SDL_WINDOWEVENT_LEAVE); },
        [] { PushMouseMove(); },
    };
    EXPECT_EQ(RunProgram(platform, game), 0);
    SetPlatform(nullptr);
    std::vector<bool> expected{false, false, true, false, true, false};
    EXPECT_EQ(game.shown, expected);
}

}  // namespace
