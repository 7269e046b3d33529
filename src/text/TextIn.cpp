#include "text/TextIn.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"
#include "text/TextStream.h"

namespace {

// One blink clock for the program: the game has a single input line.
uint32_t blinkAccumulator = 0;

constexpr uint8_t CHAR_ENTER = 13;
constexpr uint8_t CHAR_BACKSPACE = 8;

// The text starts this many font heights right of the anchor; the cursor
// bar is measured from the anchor itself.
constexpr float TEXT_INDENT = 0.15f;

} // namespace

FilterResult DefaultTextFilter(TextIn&, uint8_t character)
{
    return character == CHAR_ENTER ? FILTER_FINISH : FILTER_ACCEPT;
}

TextIn::TextIn(uint32_t blinkPeriod, stext::TextStream* stream, const std::string& initialText)
    : stream(stream),
      text(initialText),
      cursor(uint32_t(initialText.size())),
      blinkPeriod(blinkPeriod),
      filter(DefaultTextFilter)
{
}

void TextIn::Reset()
{
    cursor = 0;
    text.clear();
    cursorShown = true;
    insertMode = true;
}

void TextIn::Activate()
{
    EnableCharTranslation();
    Reset();
    done = false;
}

void TextIn::Deactivate()
{
    DisableCharTranslation();
    Reset();
    done = true;
}

void TextIn::SetText(const std::string& s)
{
    Reset();
    text = s;
    cursor = uint32_t(s.size());
}

// A zero period would never use up the clock, so such a line never blinks.
void TextIn::Update(uint32_t milliseconds)
{
    if (done || blinkPeriod == 0) return;
    blinkAccumulator += milliseconds;
    while (blinkAccumulator >= blinkPeriod) {
        blinkAccumulator -= blinkPeriod;
        cursorShown = !cursorShown;
    }
}

void TextIn::KeyInput(uint8_t key, bool isChar)
{
    if (done) return;
    if (isChar)
        TypeCharacter(key);
    else
        EditKey(key);
}

// Backspace arrives as a key-down code too; its character is not typed.
void TextIn::TypeCharacter(uint8_t c)
{
    const FilterResult r = filter ? filter(*this, c) : DefaultTextFilter(*this, c);
    if (r == FILTER_FINISH) {
        done = true;
    } else if (r == FILTER_ACCEPT && c != CHAR_BACKSPACE) {
        if (!insertMode && cursor < text.size())
            text[cursor] = char(c);
        else
            text.insert(text.begin() + cursor, char(c));
        ++cursor;
    }
}

void TextIn::EditKey(uint8_t key)
{
    switch (key) {
    case VK_LEFT:
        if (cursor > 0) --cursor;
        break;
    case VK_RIGHT:
        if (cursor < text.size()) ++cursor;
        break;
    case VK_BACK:
        if (cursor > 0 && !text.empty()) text.erase(--cursor, 1);
        break;
    case VK_DELETE:
        if (cursor < text.size()) text.erase(cursor, 1);
        break;
    case VK_INSERT:
        insertMode = !insertMode;
        break;
    default:
        break;
    }
}

void TextIn::Draw(float x, float y, uint32_t textColour, uint32_t cursorColour)
{
    if (done) return;
    using namespace stext;
    const float h = stream->GetFontSize();
    *stream << Align(0, 0) << Pos(x + TEXT_INDENT * h, y) << Color(textColour) << text << End;
    if (!cursorShown) return;
    const float w = cursor == 0 ? 0.0f : stream->GetTextWidth(text.substr(0, cursor));
    *stream << Align(0, 0) << Pos(x + w, y) << Color(cursorColour) << "|" << End;
}
