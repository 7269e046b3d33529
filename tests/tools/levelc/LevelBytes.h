#pragma once
#include <cstdint>
#include <cstring>
#include <string>

// Builds level file bytes by hand, independently of the writer under test.
class LevelBytes {
public:
    LevelBytes& Record(int32_t type, float x, float y)
    {
        return Word(static_cast<uint32_t>(type)).Float(x).Float(y);
    }
    LevelBytes& Word(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>(v >> (8 * i)));
        return *this;
    }
    LevelBytes& Float(float f)
    {
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        return Word(bits);
    }
    LevelBytes& Name(const std::string& name, bool terminated = true)
    {
        bytes += name;
        if (terminated)
            bytes.push_back('\0');
        return *this;
    }
    const std::string& Bytes() const { return bytes; }

private:
    std::string bytes;
};
