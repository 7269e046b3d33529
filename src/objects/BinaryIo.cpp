#include "objects/BinaryIo.h"
#include <cstring>

uint32_t ReadU32(std::istream& in)
{
    unsigned char b[4] = {0, 0, 0, 0};
    in.read(reinterpret_cast<char*>(b), 4);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

int32_t ReadI32(std::istream& in) { return static_cast<int32_t>(ReadU32(in)); }

void WriteU32(std::ostream& out, uint32_t v)
{
    char b[4] = {char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24 & 0xFF)};
    out.write(b, 4);
}

void WriteI32(std::ostream& out, int32_t v) { WriteU32(out, static_cast<uint32_t>(v)); }

void WriteF32(std::ostream& out, float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteU32(out, bits);
}

std::string ReadName(std::istream& in)
{
    std::string name;
    char c;
    while (in.get(c) && c != '\0') name += c;
    return name;
}

void WriteName(std::ostream& out, const std::string& name)
{
    out.write(name.data(), static_cast<std::streamsize>(name.size()));
    out.put('\0');
}
