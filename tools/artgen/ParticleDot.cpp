#include <cmath>
#include "Colour.h"
#include "Painters.h"

// A soft white dot on black: the -g option turns brightness into alpha, so
// each particle is a round glow that fades out towards its rim, with a
// black border so that clamped edges stay invisible.
Image PaintParticleDot()
{
    const int size = 32;
    Image image(size, size, Rgba{0, 0, 0, 255});
    const float centre = size / 2.0f;
    const float radius = centre - 1.0f;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float d = std::hypot(x + 0.5f - centre, y + 0.5f - centre) / radius;
            float v = d >= 1 ? 0 : std::pow(1 - d * d, 2.0f);
            uint8_t b = ToByte(255 * v);
            image.At(x, y) = Rgba{b, b, b, 255};
        }
    }
    return image;
}
