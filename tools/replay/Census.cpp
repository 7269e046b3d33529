#include "Census.h"
#include <cstring>

namespace {

const char MAGIC[] = "velkamire census 1\n";
constexpr size_t MAGIC_SIZE = sizeof MAGIC - 1;
constexpr size_t QUAD_SIZE = 4 + 4 + 16 * 4;

void PutU32(unsigned char*& p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) *p++ = uint8_t(v >> (8 * i));
}

uint32_t GetU32(const unsigned char*& p)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(*p++) << (8 * i);
    return v;
}

void PutF32(unsigned char*& p, float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    PutU32(p, bits);
}

float GetF32(const unsigned char*& p)
{
    uint32_t bits = GetU32(p);
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

void PutQuad(unsigned char* p, const CensusQuad& q)
{
    PutU32(p, q.texture);
    std::memcpy(p, q.colour, 4);
    p += 4;
    for (const float* v : {q.x, q.y, q.s, q.t})
        for (int i = 0; i < 4; ++i) PutF32(p, v[i]);
}

CensusQuad GetQuad(const unsigned char* p)
{
    CensusQuad q;
    q.texture = GetU32(p);
    std::memcpy(q.colour, p, 4);
    p += 4;
    for (float* v : {q.x, q.y, q.s, q.t})
        for (int i = 0; i < 4; ++i) v[i] = GetF32(p);
    return q;
}

} // namespace

CensusWriter::~CensusWriter()
{
    if (file) std::fclose(file);
}

bool CensusWriter::Open(const std::string& path)
{
    file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    failed = std::fwrite(MAGIC, 1, MAGIC_SIZE, file) != MAGIC_SIZE;
    return !failed;
}

void CensusWriter::Write(const CensusFrame& frame)
{
    if (!file) return;
    std::vector<unsigned char> bytes(8 + frame.quads.size() * QUAD_SIZE);
    unsigned char* p = bytes.data();
    PutU32(p, frame.frame);
    PutU32(p, uint32_t(frame.quads.size()));
    for (const CensusQuad& q : frame.quads) {
        PutQuad(p, q);
        p += QUAD_SIZE;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) failed = true;
}

bool CensusWriter::Finish()
{
    if (!file) return !failed;
    if (std::fclose(file) != 0) failed = true;
    file = nullptr;
    return !failed;
}

bool ReadCensus(const std::string& path, std::vector<CensusFrame>& frames, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    char magic[MAGIC_SIZE];
    bool ok = std::fread(magic, 1, MAGIC_SIZE, file) == MAGIC_SIZE && std::memcmp(magic, MAGIC, MAGIC_SIZE) == 0;
    unsigned char header[8];
    std::vector<unsigned char> bytes;
    while (ok) {
        size_t got = std::fread(header, 1, 8, file);
        if (got == 0) break;
        const unsigned char* p = header;
        CensusFrame frame;
        frame.frame = GetU32(p);
        uint32_t count = GetU32(p);
        // A count no file could hold is not trusted with an allocation.
        ok = got == 8 && count <= (1u << 24);
        if (!ok) break;
        bytes.resize(size_t(count) * QUAD_SIZE);
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
        for (uint32_t i = 0; ok && i < count; ++i) frame.quads.push_back(GetQuad(bytes.data() + i * QUAD_SIZE));
        if (ok) frames.push_back(std::move(frame));
    }
    std::fclose(file);
    if (!ok) error = path + " is not a whole draw census";
    return ok;
}
