#pragma once

// The GL state every frame of the game is drawn in: smooth shading,
// textures and alpha blending on, the screen cleared to black. Set once
// for each new context.
void SetGameGlState();
