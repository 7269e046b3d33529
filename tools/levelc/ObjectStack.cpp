#include "ObjectStack.h"
#include "ObjectTypes.h"

namespace levelc {
namespace {

const char* const DIRECTIONS[] = {"left", "right", "up", "down"};

// Walks the words of one stack, producing errors that name the word at fault.
class StackReader {
public:
    StackReader(const std::vector<Token>& tokens, size_t first, std::string& error)
        : tokens(tokens), pos(first), error(error) {}

    bool Object(LevelRecord& record)
    {
        const Token* word = Next("an object type");
        if (!word || !Type(*word, record.type))
            return false;
        const char* what = TypeWord(record.type);
        switch (PayloadOf(record.type)) {
        case PayloadKind::Switch: return Unsigned(what, "switch id", record.id) && State(what, record.state);
        case PayloadKind::Direction: return Direction(what, record.direction);
        case PayloadKind::SwitchLink: return Unsigned(what, "switch id", record.switchId);
        case PayloadKind::Name: return Name(what, record);
        case PayloadKind::None: return true;
        }
        return true;
    }

    // After an object: the end of the stack, or "+" and another object.
    bool More(bool& more)
    {
        more = pos < tokens.size();
        if (more && (tokens[pos].quoted || tokens[pos].text != "+"))
            return Fail("expected '+' or the end of the line, found '" + tokens[pos].text + "'");
        ++pos;
        return true;
    }

private:
    const std::vector<Token>& tokens;
    size_t pos;
    std::string& error;

    bool Fail(const std::string& message)
    {
        error = message;
        return false;
    }

    const Token* Next(const std::string& expected)
    {
        if (pos >= tokens.size()) {
            Fail("expected " + expected + " at the end of the line");
            return nullptr;
        }
        return &tokens[pos++];
    }

    static const char* TypeWord(int32_t type)
    {
        const TypeInfo* info = FindType(type);
        return info ? info->name : "object";
    }

    bool Type(const Token& word, int32_t& type)
    {
        const TypeInfo* info = word.quoted ? nullptr : FindTypeByName(word.text);
        if (info)
            type = info->value;
        else if (word.quoted || !ParseSigned(word.text, type))
            return Fail("unknown object type '" + word.text + "'");
        return true;
    }

    bool Unsigned(const char* what, const char* field, uint32_t& value)
    {
        const Token* word = Next(std::string(what) + "'s " + field);
        if (!word)
            return false;
        if (word->quoted || !ParseUnsigned(word->text, value))
            return Fail(std::string(what) + "'s " + field + " must be a whole number from 0 to 4294967295, not '" +
                        word->text + "'");
        return true;
    }

    bool State(const char* what, uint32_t& state)
    {
        if (pos < tokens.size() && (tokens[pos].text == "off" || tokens[pos].text == "on")) {
            state = tokens[pos++].text == "on" ? 1 : 0;
            return true;
        }
        return Unsigned(what, "state (off, on or a number)", state);
    }

    bool Direction(const char* what, int32_t& direction)
    {
        const Token* word = Next(std::string(what) + "'s direction");
        if (!word)
            return false;
        for (int d = 0; d < 4; ++d)
            if (!word->quoted && word->text == DIRECTIONS[d]) {
                direction = d;
                return true;
            }
        if (word->quoted || !ParseSigned(word->text, direction))
            return Fail(std::string(what) + "'s direction must be left, right, up, down or a number, not '" +
                        word->text + "'");
        return true;
    }

    bool Name(const char* what, LevelRecord& record)
    {
        const Token* word = Next(std::string(what) + "'s quoted file name");
        if (!word)
            return false;
        if (!word->quoted)
            return Fail(std::string(what) + "'s file name must be in double quotes, not '" + word->text + "'");
        if (word->text.find('\0') != std::string::npos)
            return Fail("a file name cannot hold a zero byte");
        record.name = word->text;
        record.nameTerminated = true;
        if (pos < tokens.size() && !tokens[pos].quoted && tokens[pos].text == "unterminated") {
            record.nameTerminated = false;
            ++pos;
        }
        return true;
    }
};

std::string Payload(const LevelRecord& r)
{
    switch (PayloadOf(r.type)) {
    case PayloadKind::Switch:
        return " " + std::to_string(r.id) + " " +
               (r.state <= 1 ? std::string(r.state ? "on" : "off") : std::to_string(r.state));
    case PayloadKind::Direction:
        return " " + (r.direction >= 0 && r.direction < 4 ? std::string(DIRECTIONS[r.direction])
                                                          : std::to_string(r.direction));
    case PayloadKind::SwitchLink: return " " + std::to_string(r.switchId);
    case PayloadKind::Name: return " " + QuoteName(r.name) + (r.nameTerminated ? "" : " unterminated");
    case PayloadKind::None: break;
    }
    return "";
}

}  // namespace

bool ParseStack(const std::vector<Token>& tokens, size_t first, ObjectStack& stack, std::string& error)
{
    stack.clear();
    StackReader reader(tokens, first, error);
    bool more = true;
    while (more) {
        LevelRecord record;
        if (!reader.Object(record) || !reader.More(more))
            return false;
        stack.push_back(record);
    }
    return true;
}

std::string FormatObject(const LevelRecord& record)
{
    const TypeInfo* info = FindType(record.type);
    return (info ? std::string(info->name) : std::to_string(record.type)) + Payload(record);
}

std::string FormatStack(const ObjectStack& stack)
{
    std::string out;
    for (const LevelRecord& r : stack)
        out += (out.empty() ? "" : " + ") + FormatObject(r);
    return out;
}

bool SameStack(const ObjectStack& a, const ObjectStack& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!a[i].SameObject(b[i]))
            return false;
    return true;
}

}  // namespace levelc
