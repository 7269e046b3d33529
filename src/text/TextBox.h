#pragma once
#include <cstdint>
#include <string>
#include "resources/TextureHandle.h"
#include "text/TextBoxFilters.h"
#include "text/TextIn.h"

namespace stext { class TextStream; }

// The modal question box: a dark tiled panel with a red label and, under
// it, a green input line with a blinking cursor. (x, y) is the panel's left
// edge and the top of the label line; the panel is two text lines high.
class TextBox {
public:
    static constexpr uint32_t BACKGROUND_TEXTURE = 18;
    static constexpr uint32_t BLINK_PERIOD_MS = 250;

    TextBox(stext::TextStream* stream, float width);

    // Shows the box with the line preset to defaultText and filter f (one
    // of MessageBoxFilter); turns character translation on.
    void Open(float x, float y, uint32_t f, const std::string& label, const std::string& defaultText);
    void Update(float dt);
    // Passes one key to the line; true once the line is finished.
    bool KeyInput(uint8_t key, bool isChar);
    bool IsDone() const { return input.IsDone(); }
    std::string GetText() const { return input.GetText(); }
    // Empties and deactivates the line; turns character translation off.
    void Close() { input.Deactivate(); }
    void Draw();

private:
    TextureHandle background;
    stext::TextStream* stream;
    std::string label;
    TextIn input;
    float x = 0.0f;
    float y = 0.0f;
    float width;
};
