#include "Colour.h"
#include "Noise.h"
#include "Painters.h"

// The text-box and credits tile, repeated every 16 pixels. Text boxes draw
// it in black, so only its alpha shows there: a dark, slightly see-through
// panel with a faint grain. The credits screen stretches it over the whole
// screen in its own colours: a deep violet veil over the background.
Image PaintPanelTile()
{
    const int size = 32;
    Image image(size, size);
    const Rgba deep{28, 18, 52, 255};
    const Rgba light{58, 40, 96, 255};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float n = LayeredNoise(x / 8.0f, y / 8.0f, 7, 3, 4);
            Rgba c = Mix(deep, light, n);
            c.a = ToByte(200 + 30 * n);
            image.At(x, y) = c;
        }
    }
    return image;
}
