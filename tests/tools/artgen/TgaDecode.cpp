#include "TgaDecode.h"
#include <fstream>
#include <sstream>

namespace {

struct Reader {
    const std::string& bytes;
    size_t pos = 0;
    bool Take(size_t n) { return (pos += n) <= bytes.size(); }
    uint8_t At(size_t i) const { return static_cast<uint8_t>(bytes[i]); }
};

bool ReadPixel(Reader& in, int bytesPerPixel, Rgba& p)
{
    size_t start = in.pos;
    if (!in.Take(bytesPerPixel)) return false;
    p = Rgba{in.At(start + 2), in.At(start + 1), in.At(start), bytesPerPixel == 4 ? in.At(start + 3) : uint8_t(255)};
    return true;
}

bool DecodePixels(Reader& in, DecodedTga& out, std::vector<Rgba>& fileOrder, size_t count)
{
    int bpp = out.bits / 8;
    Rgba p;
    if (out.type == 2) {
        for (size_t i = 0; i < count; ++i) {
            if (!ReadPixel(in, bpp, p)) return false;
            fileOrder.push_back(p);
        }
        return true;
    }
    while (fileOrder.size() < count) {
        if (!in.Take(1)) return false;
        uint8_t h = in.At(in.pos - 1);
        size_t n = h < 128 ? h + 1 : h - 127;
        if (fileOrder.size() + n > count) {
            out.error = "Too many pixels read";
            return false;
        }
        out.packets.push_back(h < 128 ? static_cast<int>(n) : -static_cast<int>(n));
        for (size_t i = 0; i < n; ++i) {
            if ((h < 128 || i == 0) && !ReadPixel(in, bpp, p)) return false;
            fileOrder.push_back(p);
        }
    }
    return true;
}

} // namespace

DecodedTga DecodeTga(const std::string& bytes)
{
    DecodedTga out;
    Reader in{bytes};
    if (!in.Take(18)) {
        out.error = "short header";
        return out;
    }
    out.type = in.At(2);
    bool headerOk = (out.type == 2 || out.type == 10) && bytes.compare(3, 9, std::string(9, '\0')) == 0 && in.At(0) == 0 &&
                    in.At(1) == 0;
    int width = in.At(12) | in.At(13) << 8;
    int height = in.At(14) | in.At(15) << 8;
    out.bits = in.At(16);
    if (!headerOk || width == 0 || height == 0 || (out.bits != 24 && out.bits != 32)) {
        out.error = "bad header";
        return out;
    }
    std::vector<Rgba> fileOrder;
    if (!DecodePixels(in, out, fileOrder, static_cast<size_t>(width) * height)) {
        if (out.error.empty()) out.error = "short pixel data";
        return out;
    }
    out.image = Image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.image.At(x, height - 1 - y) = fileOrder[static_cast<size_t>(y) * width + x];
    out.ok = true;
    return out;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}
