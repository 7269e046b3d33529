#pragma once
#include <fstream>
#include <sstream>
#include <string>

// A file's bytes, read whole. Header-only, so that the build's tools can
// read their sources the same way without linking the game.

// False, with bytes left alone, when the file cannot be opened.
inline bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    bytes = content.str();
    return true;
}

// The bytes, or nothing when the file cannot be opened.
inline std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}
