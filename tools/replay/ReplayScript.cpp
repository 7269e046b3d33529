#include "ReplayScript.h"
#include <cctype>
#include <climits>
#include <sstream>

namespace {

struct LineParser {
    std::istringstream in;
    explicit LineParser(const std::string& line) : in(line) {}

    bool Number(int64_t& value, int64_t low, int64_t high)
    {
        std::string word;
        if (!(in >> word)) return false;
        size_t used = 0;
        try {
            value = std::stoll(word, &used, 10);
        } catch (...) {
            return false;
        }
        return used == word.size() && value >= low && value <= high;
    }
    bool AtEnd()
    {
        in >> std::ws;
        return in.peek() == std::char_traits<char>::eof();
    }
};

Message Make(MsgType type, uint32_t wParam = 0, int32_t x = 0, int32_t y = 0)
{
    Message m;
    m.type = type;
    m.wParam = wParam;
    m.x = x;
    m.y = y;
    return m;
}

// The rest of the line after "F type ", kept exactly (spaces included).
std::string TextAfterCommand(const std::string& line)
{
    size_t at = line.find("type");
    at += 4;
    if (at < line.size() && line[at] == ' ') ++at;
    return line.substr(at);
}

bool ParseLine(const std::string& line, ReplayScript& script, std::string& why)
{
    LineParser p(line);
    int64_t frame = 0;
    std::string command;
    if (!p.Number(frame, 0, UINT32_MAX - 1) || !(p.in >> command)) {
        why = "expected a frame number and a command";
        return false;
    }
    uint32_t f = static_cast<uint32_t>(frame);
    auto add = [&](uint32_t at, const Message& m) {
        script.events.push_back(ScriptEvent{at, m});
        if (at > script.lastFrame) script.lastFrame = at;
    };
    int64_t a = 0, b = 0;
    if (command == "key" || command == "keyup") {
        if (!p.Number(a, 0, 255) || !p.AtEnd()) { why = "expected one key code 0-255"; return false; }
        add(f, Make(command == "key" ? MsgType::KeyDown : MsgType::KeyUp, uint32_t(a)));
    } else if (command == "hold") {
        if (!p.Number(a, 0, 255) || !p.Number(b, 1, UINT32_MAX - 1 - frame) || !p.AtEnd()) {
            why = "expected a key code and a number of frames";
            return false;
        }
        add(f, Make(MsgType::KeyDown, uint32_t(a)));
        add(f + uint32_t(b), Make(MsgType::KeyUp, uint32_t(a)));
    } else if (command == "char") {
        if (!p.Number(a, 0, 255) || !p.AtEnd()) { why = "expected one character code 0-255"; return false; }
        add(f, Make(MsgType::Char, uint32_t(a)));
    } else if (command == "type") {
        for (char c : TextAfterCommand(line)) {
            uint8_t vk = VirtualKeyForCharacter(c);
            if (vk) add(f, Make(MsgType::KeyDown, vk));
            add(f, Make(MsgType::Char, static_cast<uint8_t>(c)));
            if (vk) add(f, Make(MsgType::KeyUp, vk));
        }
    } else if (command == "click") {
        std::string button;
        if (!(p.in >> button) || (button != "left" && button != "right") || !p.Number(a, INT32_MIN, INT32_MAX) ||
            !p.Number(b, INT32_MIN, INT32_MAX) || !p.AtEnd()) {
            why = "expected: click left|right X Y";
            return false;
        }
        add(f, Make(button == "left" ? MsgType::LButtonDown : MsgType::RButtonDown, 0, int32_t(a), int32_t(b)));
    } else if (command == "move") {
        // A dragging mouse is reported outside the window too, so positions may be negative.
        if (!p.Number(a, INT32_MIN, INT32_MAX) || !p.Number(b, INT32_MIN, INT32_MAX) || !p.AtEnd()) {
            why = "expected: move X Y";
            return false;
        }
        add(f, Make(MsgType::MouseMove, 0, int32_t(a), int32_t(b)));
    } else if (command == "elapsed") {
        if (!p.Number(a, 0, UINT32_MAX) || !p.AtEnd()) { why = "expected a number of milliseconds"; return false; }
        script.frameTimes[f] = uint32_t(a);
        if (f > script.lastFrame) script.lastFrame = f;
    } else if (command == "restore") {
        // The client size is optional: the game's window is 800 by 600.
        Message m = Make(MsgType::SizeRestored, 0, 800, 600);
        if (!p.AtEnd()) {
            if (!p.Number(a, 0, 65535) || !p.Number(b, 0, 65535) || !p.AtEnd()) {
                why = "expected: restore, or restore WIDTH HEIGHT";
                return false;
            }
            m.x = int32_t(a);
            m.y = int32_t(b);
        }
        add(f, m);
    } else {
        static const std::pair<const char*, MsgType> plain[] = {
            {"deactivate", MsgType::ActivateInactive}, {"activate", MsgType::ActivateActive},
            {"minimize", MsgType::SizeMinimized}, {"close", MsgType::Close}};
        for (const auto& entry : plain) {
            if (command != entry.first) continue;
            if (!p.AtEnd()) { why = "unexpected words after " + command; return false; }
            add(f, Make(entry.second));
            return true;
        }
        why = "unknown command '" + command + "'";
        return false;
    }
    return true;
}

} // namespace

uint8_t VirtualKeyForCharacter(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) return static_cast<uint8_t>(std::toupper(u));
    if (std::isdigit(u) || c == ' ') return u;
    switch (c) {
    case '\r': case '\n': return 0x0D;
    case '\b': return 0x08;
    case '\t': return 0x09;
    case ';': case ':': return 0xBA;
    case '=': case '+': return 0xBB;
    case ',': case '<': return 0xBC;
    case '-': case '_': return 0xBD;
    case '.': case '>': return 0xBE;
    case '/': case '?': return 0xBF;
    case '`': case '~': return 0xC0;
    case '[': case '{': return 0xDB;
    case '\\': case '|': return 0xDC;
    case ']': case '}': return 0xDD;
    case '\'': case '"': return 0xDE;
    case ')': return '0';
    case '!': return '1';
    case '@': return '2';
    case '#': return '3';
    case '$': return '4';
    case '%': return '5';
    case '^': return '6';
    case '&': return '7';
    case '*': return '8';
    case '(': return '9';
    default: return 0;
    }
}

bool ParseReplayScript(const std::string& text, ReplayScript& script, std::string& error)
{
    script = ReplayScript{};
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string content = line;
        // "#" starts a comment, except inside the text of a type command.
        size_t firstWord = content.find_first_not_of(" \t");
        if (firstWord == std::string::npos || content[firstWord] == '#') continue;
        if (content.find(" type ") == std::string::npos) {
            size_t hash = content.find('#');
            if (hash != std::string::npos) content = content.substr(0, hash);
        }
        if (content.find_first_not_of(" \t") == std::string::npos) continue;
        std::string why;
        if (!ParseLine(content, script, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    return true;
}
