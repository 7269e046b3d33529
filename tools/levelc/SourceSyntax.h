#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace levelc {

// A word of a source line; quoted strings arrive unescaped.
struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a line into words. Blanks separate words, "..." is one word with the
// escapes \" \\ \xHH, and a # that starts a word begins a comment.
// Returns false with `error` set for a broken quote or escape.
bool Tokenize(const std::string& line, std::vector<Token>& tokens, std::string& error);

// Numbers: decimal integers; coordinates are floats written in their shortest
// exact decimal form, or 0x followed by the eight hex digits of their bits.
bool ParseUnsigned(const std::string& text, uint32_t& value);
bool ParseSigned(const std::string& text, int32_t& value);
bool ParseCoordinate(const std::string& text, uint32_t& bits);
std::string FormatCoordinate(uint32_t bits);

// A name as a quoted word that Tokenize reads back byte for byte.
std::string QuoteName(const std::string& name);

}  // namespace levelc
