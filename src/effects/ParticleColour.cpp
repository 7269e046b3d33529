#include "effects/ParticleColour.h"

ParticleColour ColourFromBytes(uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
    return ParticleColour{r / 256.0f, g / 256.0f, b / 256.0f, a / 256.0f};
}

ParticleColour UnpackColour(uint32_t colour)
{
    return ColourFromBytes((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF,
                           colour >> 24);
}
