#include "TgaWriter.h"
#include <filesystem>
#include <fstream>

namespace {

// A packet holds at most 128 pixels: its header keeps the count less one
// in seven bits.
constexpr int MAX_PACKET = 128;

void PutPixel(std::string& out, const Rgba& p, int bytesPerPixel)
{
    out += static_cast<char>(p.b);
    out += static_cast<char>(p.g);
    out += static_cast<char>(p.r);
    if (bytesPerPixel == 4) out += static_cast<char>(p.a);
}

bool SamePixel(const Rgba& a, const Rgba& b, int bytesPerPixel)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && (bytesPerPixel == 3 || a.a == b.a);
}

// Length of the run of equal pixels starting at x, up to one packet.
int RunLength(const Image& image, int x, int y, int bytesPerPixel)
{
    int n = 1;
    while (x + n < image.Width() && n < MAX_PACKET && SamePixel(image.At(x + n, y), image.At(x, y), bytesPerPixel))
        ++n;
    return n;
}

// Packets never cross a row end, so each row can be decoded on its own.
void EncodeRleRow(std::string& out, const Image& image, int y, int bytesPerPixel)
{
    int x = 0;
    while (x < image.Width()) {
        int run = RunLength(image, x, y, bytesPerPixel);
        if (run >= 2) {
            out += static_cast<char>(0x80 | (run - 1));
            PutPixel(out, image.At(x, y), bytesPerPixel);
            x += run;
            continue;
        }
        // Raw packet: gather pixels until two equal ones start a run.
        int count = 1;
        while (x + count < image.Width() && count < MAX_PACKET && RunLength(image, x + count, y, bytesPerPixel) < 2)
            ++count;
        out += static_cast<char>(count - 1);
        for (int i = 0; i < count; ++i) PutPixel(out, image.At(x + i, y), bytesPerPixel);
        x += count;
    }
}

std::string Header(const Image& image, TgaEncoding encoding, int bitsPerPixel)
{
    std::string h(18, '\0');
    h[2] = encoding == TgaEncoding::Rle ? 10 : 2;
    h[12] = static_cast<char>(image.Width() & 0xFF);
    h[13] = static_cast<char>(image.Width() >> 8);
    h[14] = static_cast<char>(image.Height() & 0xFF);
    h[15] = static_cast<char>(image.Height() >> 8);
    h[16] = static_cast<char>(bitsPerPixel);
    h[17] = bitsPerPixel == 32 ? 8 : 0;  // alpha bits; origin bottom-left
    return h;
}

} // namespace

std::string EncodeTga(const Image& image, TgaEncoding encoding, int bitsPerPixel)
{
    int bytesPerPixel = bitsPerPixel / 8;
    std::string out = Header(image, encoding, bitsPerPixel);
    for (int y = image.Height() - 1; y >= 0; --y) {
        if (encoding == TgaEncoding::Rle) {
            EncodeRleRow(out, image, y, bytesPerPixel);
        } else {
            for (int x = 0; x < image.Width(); ++x) PutPixel(out, image.At(x, y), bytesPerPixel);
        }
    }
    return out;
}

bool WriteBinaryFile(const std::string& path, const std::string& bytes)
{
    std::error_code ignored;
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.good();
}
