#include "text/TextBox.h"
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"
#include "shell/Assertion.h"
#include "text/TextStream.h"

namespace {
constexpr uint32_t LABEL_COLOUR = 0xFF0000;  // opaque red
constexpr uint32_t INPUT_COLOUR = 0xFF00;    // opaque green
constexpr float PANEL_TILE = 16.0f;
}

TextBox::TextBox(stext::TextStream* stream, float width)
    : background(BACKGROUND_TEXTURE), stream(stream), input(BLINK_PERIOD_MS, stream, ""), width(width)
{
}

void TextBox::Open(float x, float y, uint32_t f, const std::string& label, const std::string& defaultText)
{
    VK_ASSERT(f < MBF_NUM_FILTERS, "text");
    input.Activate();
    input.SetText(defaultText);
    input.SetFilter(GetMessageBoxFilter(f));
    this->x = x;
    this->y = y;
    this->label = label;
}

// dt is one fixed step in seconds; the line blinks in whole milliseconds.
void TextBox::Update(float dt) { input.Update(static_cast<uint32_t>(dt * 1000.0f)); }

bool TextBox::KeyInput(uint8_t key, bool isChar)
{
    input.KeyInput(key, isChar);
    return input.IsDone();
}

void TextBox::Draw()
{
    using namespace stext;
    const float h = stream->GetFontSize();
    background.Bind();
    Gl().color3f(0.0f, 0.0f, 0.0f);
    DrawTiledQuad(x + width * 0.5f, y - h, width, 2.0f * h, PANEL_TILE);
    *stream << Align(0, 0) << Pos(x, y) << Color(LABEL_COLOUR) << label << End;
    input.Draw(x, y - h, INPUT_COLOUR, INPUT_COLOUR);
}
