#include "SourceSyntax.h"
#include "LevelRecord.h"
#include <charconv>
#include <cmath>
#include <cstdio>

namespace levelc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted word starting at line[pos] == '"'; pos ends after the quote.
bool ReadQuoted(const std::string& line, size_t& pos, std::string& out, std::string& error)
{
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c != '\\') {
            out.push_back(c);
            continue;
        }
        char e = pos + 1 < line.size() ? line[pos + 1] : '\0';
        if (e == '"' || e == '\\') {
            out.push_back(e);
            ++pos;
        } else if (e == 'x' && pos + 3 < line.size() && HexDigit(line[pos + 2]) >= 0 &&
                   HexDigit(line[pos + 3]) >= 0) {
            out.push_back(static_cast<char>(HexDigit(line[pos + 2]) * 16 + HexDigit(line[pos + 3])));
            pos += 3;
        } else {
            error = "bad escape in quoted name (use \\\", \\\\ or \\xHH)";
            return false;
        }
    }
    error = "quoted name has no closing \"";
    return false;
}

template <typename T>
bool ParseWhole(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace

bool Tokenize(const std::string& line, std::vector<Token>& tokens, std::string& error)
{
    tokens.clear();
    size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        if (pos == line.size() || line[pos] == '#')
            return true;
        Token token;
        if (line[pos] == '"') {
            token.quoted = true;
            if (!ReadQuoted(line, pos, token.text, error))
                return false;
            if (pos < line.size() && !IsBlank(line[pos])) {
                error = "a blank must follow a quoted name";
                return false;
            }
        } else {
            while (pos < line.size() && !IsBlank(line[pos]))
                token.text.push_back(line[pos++]);
        }
        tokens.push_back(token);
    }
}

bool ParseUnsigned(const std::string& text, uint32_t& value) { return ParseWhole(text, value); }

bool ParseSigned(const std::string& text, int32_t& value) { return ParseWhole(text, value); }

bool ParseCoordinate(const std::string& text, uint32_t& bits)
{
    if (text.size() == 10 && text.compare(0, 2, "0x") == 0) {
        const char* end = text.data() + text.size();
        auto [ptr, ec] = std::from_chars(text.data() + 2, end, bits, 16);
        return ec == std::errc() && ptr == end;
    }
    float value;
    if (!ParseWhole(text, value) || std::isnan(value))
        return false;
    bits = FloatBits(value);
    return true;
}

std::string FormatCoordinate(uint32_t bits)
{
    float value = BitsFloat(bits);
    char buf[32];
    if (std::isnan(value)) {
        std::snprintf(buf, sizeof buf, "0x%08x", static_cast<unsigned>(bits));
        return buf;
    }
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

std::string QuoteName(const std::string& name)
{
    std::string out = "\"";
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (u < 0x20 || u >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else {
            out.push_back(c);
        }
    }
    return out + "\"";
}

}  // namespace levelc
