#include <cmath>
#include "Colour.h"
#include "Noise.h"
#include "Painters.h"

namespace {

// The game stretches the background over the 800 x 600 screen; it is
// stored at 1024 x 512, a power of two that any OpenGL 1.1 driver takes.
const int WIDTH = 1024;
const int HEIGHT = 512;
const float SCREEN_W = 800;
const float SCREEN_H = 600;

// A dim cavern: dark slate mottled with larger patches of blue, brighter
// in the middle and falling off into the corners, so the lit tiles of a
// level stand out against it.
Rgba CavernAt(float sx, float sy)
{
    const Rgba shadow{10, 11, 20, 255};
    const Rgba slate{30, 34, 52, 255};
    const Rgba glow{46, 56, 84, 255};
    float broad = LayeredNoise(sx / 160.0f, sy / 160.0f, 21, 4);
    float grain = LayeredNoise(sx / 9.0f, sy / 9.0f, 5, 2);
    Rgba c = Mix(shadow, slate, std::clamp(broad * 1.4f - 0.2f, 0.0f, 1.0f));
    c = Mix(c, glow, std::clamp((broad - 0.6f) * 2.5f, 0.0f, 1.0f));
    float dx = (sx - SCREEN_W / 2) / (SCREEN_W / 2);
    float dy = (sy - SCREEN_H / 2) / (SCREEN_H / 2);
    float vignette = 1.0f - 0.45f * std::min(1.0f, (dx * dx + dy * dy) / 2.0f);
    return Scale(c, vignette * (0.9f + 0.2f * grain));
}

} // namespace

Image PaintBackground()
{
    Image image(WIDTH, HEIGHT);
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x)
            image.At(x, y) = CavernAt((x + 0.5f) * SCREEN_W / WIDTH, (y + 0.5f) * SCREEN_H / HEIGHT);
    return image;
}
