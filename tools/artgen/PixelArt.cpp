#include "PixelArt.h"
#include <map>
#include <sstream>
#include <vector>

namespace {

struct ParseError {
    int line;
    std::string message;
};

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

std::string Describe(char c)
{
    if (c > ' ' && c < 127) return std::string("'") + c + "'";
    return "character code " + std::to_string(static_cast<unsigned char>(c));
}

class Parser {
public:
    explicit Parser(const std::string& text) : lines(SplitLines(text)) {}
    Image Run();

private:
    std::vector<std::string> lines;
    size_t next = 0;
    int cellW = 0, cellH = 0, columns = 0, rows = 0;
    std::map<char, Rgba> palette;
    bool hasKey = false;
    std::vector<bool> defined;
    int currentFrame = -1;
    Image image;

    [[noreturn]] void Fail(const std::string& message) const { throw ParseError{static_cast<int>(next), message}; }
    int Number(const std::string& word, int min, int max) const;
    void Directive(const std::vector<std::string>& words);
    void Sheet(const std::vector<std::string>& words);
    void Colour(const std::vector<std::string>& words);
    void Key(const std::vector<std::string>& words);
    void Frame(const std::vector<std::string>& words);
    void Patch(const std::vector<std::string>& words);
    void AddPaletteEntry(const std::string& word, Rgba colour);
    void ReadRows(int x, int y, int w, int h);
    int CellX(int frame) const { return (frame % columns) * cellW; }
    int CellY(int frame) const { return (frame / columns) * cellH; }
    void FillUndefinedFrames();
};

int Parser::Number(const std::string& word, int min, int max) const
{
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(word, &used);
    } catch (...) {
        used = 0;
    }
    if (used != word.size() || used == 0) Fail("'" + word + "' is not a number");
    if (value < min || value > max)
        Fail(word + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
    return value;
}

Image Parser::Run()
{
    while (next < lines.size()) {
        const std::string& line = lines[next++];
        std::vector<std::string> words = Words(line);
        if (words.empty() || words[0][0] == '#') continue;
        Directive(words);
    }
    if (columns == 0) Fail("no 'sheet' line");
    FillUndefinedFrames();
    return image;
}

void Parser::Directive(const std::vector<std::string>& words)
{
    const std::string& name = words[0];
    if (name == "sheet") return Sheet(words);
    if (name == "colour") return Colour(words);
    if (name == "key") return Key(words);
    if (name == "frame") return Frame(words);
    if (name == "patch") return Patch(words);
    Fail("unknown directive '" + name + "'");
}

void Parser::Sheet(const std::vector<std::string>& words)
{
    if (columns != 0) Fail("a second 'sheet' line");
    if (words.size() != 5) Fail("expected: sheet <cell width> <cell height> <columns> <rows>");
    cellW = Number(words[1], 1, 4096);
    cellH = Number(words[2], 1, 4096);
    columns = Number(words[3], 1, 64);
    rows = Number(words[4], 1, 64);
    defined.assign(static_cast<size_t>(columns) * rows, false);
    image = Image(cellW * columns, cellH * rows, Rgba{0, 0, 0, 0});
}

void Parser::AddPaletteEntry(const std::string& word, Rgba colour)
{
    if (word.size() != 1 || word[0] == '#') Fail("a palette entry is one character other than '#'");
    if (palette.count(word[0])) Fail(Describe(word[0]) + " is already in the palette");
    palette[word[0]] = colour;
}

void Parser::Colour(const std::vector<std::string>& words)
{
    if (words.size() != 5 && words.size() != 6) Fail("expected: colour <char> <red> <green> <blue> [<alpha>]");
    Rgba c;
    c.r = static_cast<uint8_t>(Number(words[2], 0, 255));
    c.g = static_cast<uint8_t>(Number(words[3], 0, 255));
    c.b = static_cast<uint8_t>(Number(words[4], 0, 255));
    c.a = words.size() == 6 ? static_cast<uint8_t>(Number(words[5], 0, 255)) : 255;
    AddPaletteEntry(words[1], c);
}

void Parser::Key(const std::vector<std::string>& words)
{
    if (words.size() != 2) Fail("expected: key <char>");
    if (hasKey) Fail("a second 'key' line");
    AddPaletteEntry(words[1], KEY_COLOUR);
    hasKey = true;
}

void Parser::Frame(const std::vector<std::string>& words)
{
    if (columns == 0) Fail("'frame' before 'sheet'");
    bool copy = words.size() == 4 && words[2] == "copy";
    if (words.size() != 2 && !copy) Fail("expected: frame <n> or frame <n> copy <m>");
    int last = columns * rows - 1;
    int frame = Number(words[1], 0, last);
    if (defined[frame]) Fail("frame " + words[1] + " is defined twice");
    currentFrame = frame;
    if (copy) {
        int from = Number(words[3], 0, last);
        if (!defined[from]) Fail("frame " + words[3] + " is copied before it is defined");
        image.CopyBlock(image, CellX(from), CellY(from), cellW, cellH, CellX(frame), CellY(frame));
    } else {
        ReadRows(CellX(frame), CellY(frame), cellW, cellH);
    }
    defined[frame] = true;
}

void Parser::Patch(const std::vector<std::string>& words)
{
    if (currentFrame < 0) Fail("'patch' before any frame");
    if (words.size() != 5) Fail("expected: patch <x> <y> <width> <height>");
    int x = Number(words[1], 0, cellW - 1);
    int y = Number(words[2], 0, cellH - 1);
    int w = Number(words[3], 1, cellW - x);
    int h = Number(words[4], 1, cellH - y);
    ReadRows(CellX(currentFrame) + x, CellY(currentFrame) + y, w, h);
}

void Parser::ReadRows(int x, int y, int w, int h)
{
    for (int row = 0; row < h; ++row) {
        if (next >= lines.size()) Fail("the file ends " + std::to_string(h - row) + " rows early");
        const std::string& line = lines[next++];
        if (static_cast<int>(line.size()) != w)
            Fail("row has " + std::to_string(line.size()) + " characters, expected " + std::to_string(w));
        for (int col = 0; col < w; ++col) {
            auto it = palette.find(line[col]);
            if (it == palette.end()) Fail(Describe(line[col]) + " is not in the palette");
            image.At(x + col, y + row) = it->second;
        }
    }
}

// Cells no frame fills stay see-through: the colour key when the sheet has
// one, else fully transparent black.
void Parser::FillUndefinedFrames()
{
    Rgba empty = hasKey ? KEY_COLOUR : Rgba{0, 0, 0, 0};
    for (int f = 0; f < columns * rows; ++f) {
        if (defined[f]) continue;
        for (int y = 0; y < cellH; ++y)
            for (int x = 0; x < cellW; ++x) image.At(CellX(f) + x, CellY(f) + y) = empty;
    }
}

} // namespace

PixelArtResult ParsePixelArt(const std::string& text, const std::string& sourceName)
{
    PixelArtResult result;
    try {
        Parser parser(text);
        result.image = parser.Run();
        result.ok = true;
    } catch (const ParseError& e) {
        result.error = sourceName + ":" + std::to_string(e.line) + ": " + e.message;
    }
    return result;
}
