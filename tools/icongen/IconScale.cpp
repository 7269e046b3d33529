#include "IconScale.h"
#include <algorithm>
#include <cmath>

namespace {

// How much of source pixel s (as the span [s, s + 1)) lies inside [from, to).
double Overlap(int s, double from, double to) { return std::max(0.0, std::min<double>(s + 1, to) - std::max<double>(s, from)); }

Rgba AverageArea(const Image& picture, double x0, double y0, double x1, double y1)
{
    double r = 0, g = 0, b = 0, a = 0, area = 0;
    for (int sy = static_cast<int>(y0); sy < std::ceil(y1) && sy < picture.Height(); ++sy)
        for (int sx = static_cast<int>(x0); sx < std::ceil(x1) && sx < picture.Width(); ++sx) {
            double w = Overlap(sx, x0, x1) * Overlap(sy, y0, y1);
            const Rgba& p = picture.At(sx, sy);
            double wa = w * p.a;
            r += wa * p.r;
            g += wa * p.g;
            b += wa * p.b;
            a += wa;
            area += w;
        }
    if (a <= 0.0) return Rgba{0, 0, 0, 0};
    auto byte = [](double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
    return Rgba{byte(r / a), byte(g / a), byte(b / a), byte(a / area)};
}

} // namespace

Image ScaleIcon(const Image& picture, int size)
{
    Image scaled(size, size);
    double sx = static_cast<double>(picture.Width()) / size;
    double sy = static_cast<double>(picture.Height()) / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            scaled.At(x, y) = AverageArea(picture, x * sx, y * sy, (x + 1) * sx, (y + 1) * sy);
    return scaled;
}
