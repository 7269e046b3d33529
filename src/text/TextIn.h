#pragma once
#include <cstdint>
#include <string>

namespace stext { class TextStream; }

class TextIn;

// A filter's answer for one typed character.
enum FilterResult : uint32_t { FILTER_ACCEPT = 0, FILTER_FINISH = 1, FILTER_REJECT = 2 };
using TextFilter = FilterResult (*)(TextIn& input, uint8_t character);

// Enter finishes the line; everything else is typed.
FilterResult DefaultTextFilter(TextIn& input, uint8_t character);

// A one-line text editor: typed characters pass a filter, key-down codes
// move the cursor and delete, the cursor blinks, and the line is drawn
// through the shared text stream. While active the shell translates keys
// into characters for it.
class TextIn {
public:
    TextIn(uint32_t blinkPeriod, stext::TextStream* stream, const std::string& initialText);

    void Reset();
    void Activate();
    void Deactivate();
    void SetText(const std::string& s);
    void SetFilter(TextFilter f) { filter = f; }

    std::string GetText() const { return text; }
    bool IsDone() const { return done; }
    stext::TextStream* GetStream() const { return stream; }
    uint32_t GetCursor() const { return cursor; }
    bool IsInsertMode() const { return insertMode; }
    bool IsCursorShown() const { return cursorShown; }

    void Update(uint32_t milliseconds);
    // A Windows virtual-key code (isChar false) or a typed character.
    void KeyInput(uint8_t key, bool isChar);
    void Draw(float x, float y, uint32_t textColour, uint32_t cursorColour);

private:
    void TypeCharacter(uint8_t c);
    void EditKey(uint8_t key);

    stext::TextStream* stream;
    std::string text;
    uint32_t cursor;
    uint32_t blinkPeriod;
    TextFilter filter;
    bool insertMode = true;
    bool done = true;
    bool cursorShown = true;
};
