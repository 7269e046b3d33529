#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// One pixel; alpha 255 is opaque.
struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;

    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const Rgba& o) const { return !(*this == o); }
};

// The colour that the game's loader makes transparent with the -k option.
constexpr Rgba KEY_COLOUR{253, 126, 255, 255};

// A picture held top row first, as it appears on screen.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = Rgba{});

    int Width() const { return width; }
    int Height() const { return height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgba& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Rgba& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    // Copies the w x h block at (sx, sy) of source to (dx, dy) of this image.
    void CopyBlock(const Image& source, int sx, int sy, int w, int h, int dx, int dy);

private:
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
};
