#pragma once
#include <fstream>
#include <string>

// A file's bytes, read whole. Header-only, so that the build's tools can
// read their sources the same way without linking the game.

// False, with bytes left alone, when the file cannot be opened or read.
// A folder opens like a file on some systems but fails on the first read,
// so it is refused here rather than taken for an empty file.
inline bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string content;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer), file.gcount() > 0)
        content.append(buffer, static_cast<size_t>(file.gcount()));
    if (file.bad()) return false;
    bytes.swap(content);
    return true;
}

// The bytes, or nothing when the file cannot be opened.
inline std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}
