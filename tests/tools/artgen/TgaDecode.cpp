#include "TgaDecode.h"
#include <fstream>
#include <sstream>

namespace {

// Reads the next pixel (blue, green, red, alpha) at pos; false past the end.
bool NextPixel(const std::string& b, size_t& pos, int bytesPerPixel, Rgba& p)
{
    if (pos + bytesPerPixel > b.size()) return false;
    auto at = [&](size_t i) { return static_cast<uint8_t>(b[pos + i]); };
    p = Rgba{at(2), at(1), at(0), bytesPerPixel == 4 ? at(3) : uint8_t(255)};
    pos += bytesPerPixel;
    return true;
}

} // namespace

DecodedTga DecodeTga(const std::string& b)
{
    DecodedTga out;
    auto u8 = [&](size_t i) { return static_cast<uint8_t>(b[i]); };
    if (b.size() < 18 || b.compare(0, 12, std::string("\0\0", 2) + char(u8(2)) + std::string(9, '\0')) != 0) {
        out.error = "bad header";
        return out;
    }
    out.type = u8(2);
    out.bits = u8(16);
    int width = u8(12) | u8(13) << 8, height = u8(14) | u8(15) << 8;
    if ((out.type != 2 && out.type != 10) || width == 0 || height == 0 || (out.bits != 24 && out.bits != 32)) {
        out.error = "bad header";
        return out;
    }
    size_t count = static_cast<size_t>(width) * height, pos = 18;
    std::vector<Rgba> fileOrder;
    Rgba p;
    while (fileOrder.size() < count) {
        size_t n = 1;
        bool run = false;
        if (out.type == 10) {
            if (pos >= b.size()) break;  // reported below
            uint8_t h = u8(pos++);
            run = h >= 128;
            n = run ? h - 127 : h + 1;
            if (fileOrder.size() + n > count) {
                out.error = "Too many pixels read";
                return out;
            }
            out.packets.push_back(run ? -static_cast<int>(n) : static_cast<int>(n));
        }
        for (size_t i = 0; i < n; ++i) {
            if ((!run || i == 0) && !NextPixel(b, pos, out.bits / 8, p)) {
                out.error = "short pixel data";
                return out;
            }
            fileOrder.push_back(p);
        }
    }
    if (fileOrder.size() < count) {
        out.error = "short pixel data";
        return out;
    }
    out.image = Image(width, height);
    for (size_t i = 0; i < count; ++i) out.image.At(static_cast<int>(i % width), height - 1 - static_cast<int>(i / width)) = fileOrder[i];
    out.ok = true;
    return out;
}
