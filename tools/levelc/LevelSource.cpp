#include "LevelSource.h"
#include "Grid.h"

namespace levelc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t SkipBlanks(const std::string& line, size_t pos)
{
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    return pos;
}

class SourceParser {
public:
    SourceParser(const std::string& name, std::vector<std::string>& errors) : name(name), errors(errors) {}

    void Line(const std::string& line)
    {
        ++lineNo;
        size_t start = SkipBlanks(line, 0);
        if (start == line.size() || line[start] == '#')
            return;
        if (line[start] == '|')
            MapRow(line, start);
        else if (line.compare(start, 6, "legend") == 0 && (start + 6 == line.size() || IsBlank(line[start + 6])))
            LegendLine(line, start + 6);
        else
            Statement(line);
    }

    LevelSource Finish()
    {
        size_t rows = source.mapRows.size();
        if (rows > 0 && rows < GRID_ROWS)
            Error(source.mapRowLines.back(), "the map has " + std::to_string(rows) + " rows; it needs " +
                                                 std::to_string(GRID_ROWS) + ", top row first");
        return source;
    }

private:
    const std::string& name;
    std::vector<std::string>& errors;
    LevelSource source;
    int lineNo = 0;

    void Error(int line, const std::string& message)
    {
        errors.push_back(name + ":" + std::to_string(line) + ": " + message);
    }

    void MapRow(const std::string& line, size_t bar)
    {
        size_t close = line.find('|', bar + 1);
        if (close == std::string::npos)
            return Error(lineNo, "map row has no closing '|'");
        std::string cells = line.substr(bar + 1, close - bar - 1);
        size_t after = SkipBlanks(line, close + 1);
        if (after < line.size() && line[after] != '#')
            return Error(lineNo, "unexpected text after the map row's closing '|'");
        if (cells.find('\t') != std::string::npos)
            return Error(lineNo, "tab in map row; write cells with spaces");
        if (cells.size() != GRID_COLUMNS)
            return Error(lineNo, "map row has " + std::to_string(cells.size()) + " cells between the bars; it needs " +
                                     std::to_string(GRID_COLUMNS));
        if (source.mapRows.size() == GRID_ROWS)
            return Error(lineNo, "the map has more than " + std::to_string(GRID_ROWS) + " rows");
        if (source.mapRows.empty())
            source.placedBeforeMap = source.placed.size();
        source.mapRows.push_back(cells);
        source.mapRowLines.push_back(lineNo);
    }

    // legend K = STACK; the key is taken by position so that any character can be one.
    void LegendLine(const std::string& line, size_t pos)
    {
        pos = SkipBlanks(line, pos);
        if (pos == line.size() || (pos + 1 < line.size() && !IsBlank(line[pos + 1])))
            return Error(lineNo, "expected: legend C = objects, with C a single character");
        char key = line[pos];
        if (!IsLegendKey(key))
            return Error(lineNo, std::string("'") + key + "' cannot be a legend character");
        if (BuiltinLegend().count(key))
            return Error(lineNo, std::string("'") + key + "' is built in (" + FormatStack(BuiltinLegend().at(key)) +
                                     ") and cannot be redefined");
        auto seen = source.legendLines.find(key);
        if (seen != source.legendLines.end())
            return Error(lineNo, std::string("legend '") + key + "' is already defined on line " +
                                     std::to_string(seen->second));
        std::vector<Token> tokens;
        if (!Words(line.substr(pos + 1), tokens))
            return;
        if (tokens.empty() || tokens[0].quoted || tokens[0].text != "=")
            return Error(lineNo, std::string("expected '=' after legend '") + key + "'");
        // A broken entry is still recorded, so that the map rows using it do not
        // each report the key as missing.
        Stack(tokens, 1, source.legend[key]);
        source.legendLines[key] = lineNo;
    }

    void Statement(const std::string& line)
    {
        std::vector<Token> tokens;
        if (!Words(line, tokens))
            return;
        const std::string& word = tokens[0].text;
        if (!tokens[0].quoted && word == "at")
            At(tokens);
        else if (!tokens[0].quoted && word == "order")
            Order(tokens);
        else
            Error(lineNo, "unknown statement '" + word + "' (expected a map row, legend, at or order)");
    }

    void At(const std::vector<Token>& tokens)
    {
        if (tokens.size() < 4)
            return Error(lineNo, "expected: at X Y objects");
        SourceObject object;
        uint32_t x = 0, y = 0;
        for (int i = 1; i <= 2; ++i)
            if (tokens[i].quoted || !ParseCoordinate(tokens[i].text, i == 1 ? x : y))
                return Error(lineNo, "bad coordinate '" + tokens[i].text +
                                         "' (a decimal number, or 0x and eight hex digits of the float's bits)");
        ObjectStack stack;
        if (!Stack(tokens, 3, stack))
            return;
        for (LevelRecord record : stack) {
            record.xBits = x;
            record.yBits = y;
            source.placed.push_back({record, lineNo});
        }
    }

    void Order(const std::vector<Token>& tokens)
    {
        if (source.orderLine)
            return Error(lineNo, "the order is already set on line " + std::to_string(source.orderLine));
        if (tokens.size() != 2 || tokens[1].quoted || (tokens[1].text != "sorted" && tokens[1].text != "as-written"))
            return Error(lineNo, "expected: order sorted, or order as-written");
        source.order = tokens[1].text == "sorted" ? RecordOrder::Drawing : RecordOrder::AsWritten;
        source.orderLine = lineNo;
    }

    bool Words(const std::string& text, std::vector<Token>& tokens)
    {
        std::string error;
        if (Tokenize(text, tokens, error))
            return true;
        Error(lineNo, error);
        return false;
    }

    bool Stack(const std::vector<Token>& tokens, size_t first, ObjectStack& stack)
    {
        std::string error;
        if (ParseStack(tokens, first, stack, error))
            return true;
        Error(lineNo, error);
        return false;
    }
};

}  // namespace

LevelSource ParseSource(const std::string& text, const std::string& sourceName, std::vector<std::string>& errors)
{
    SourceParser parser(sourceName, errors);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        parser.Line(line);
        pos = end + 1;
    }
    return parser.Finish();
}

}  // namespace levelc
