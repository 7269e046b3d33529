#pragma once
#include <cstdint>

struct GameWindow;

// The game's side of the shell: the shell knows nothing of the game and
// calls only these.
class GameHooks {
public:
    virtual ~GameHooks() = default;
    virtual bool Initialize(GameWindow& window) = 0;
    virtual bool InitGL() = 0;
    virtual void Update(uint32_t milliseconds) = 0;
    virtual void Draw() = 0;
    virtual void ReleaseGLResources() = 0;
    virtual void Deinitialize() = 0;
    virtual void OnMouseClick(int button) = 0;
};
