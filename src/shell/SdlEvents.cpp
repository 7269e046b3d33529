#include "shell/SdlEvents.h"
#include "shell/VirtualKeys.h"

namespace {

void AppendTextInput(std::vector<Message>& out, const char* utf8)
{
    // Decode UTF-8; the game's characters are single bytes, so only code
    // points below 256 become character messages.
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        uint32_t cp = *p;
        int extra = 0;
        if (cp >= 0xF0) { cp &= 0x07; extra = 3; }
        else if (cp >= 0xE0) { cp &= 0x0F; extra = 2; }
        else if (cp >= 0xC0) { cp &= 0x1F; extra = 1; }
        ++p;
        for (int i = 0; i < extra && (*p & 0xC0) == 0x80; ++i, ++p) cp = (cp << 6) | (*p & 0x3F);
        if (cp < 256) out.push_back(Message{MsgType::Char, cp});
    }
}

void AppendWindowEvent(std::vector<Message>& out, const SDL_WindowEvent& w, bool minimized)
{
    switch (w.event) {
    case SDL_WINDOWEVENT_CLOSE: out.push_back(Message{MsgType::Close}); break;
    case SDL_WINDOWEVENT_MINIMIZED: out.push_back(Message{MsgType::SizeMinimized}); break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        out.push_back(Message{MsgType::SizeRestored, 0, w.data1, w.data2});
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        out.push_back(Message{minimized ? MsgType::ActivateMinimized : MsgType::ActivateInactive});
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        out.push_back(Message{minimized ? MsgType::ActivateMinimized : MsgType::ActivateActive});
        break;
    case SDL_WINDOWEVENT_LEAVE: out.push_back(Message{MsgType::NcMouseMove}); break;
    default: break;
    }
}

} // namespace

void SdlEventTranslator::TranslateKey(std::vector<Message>& out, const SDL_KeyboardEvent& key,
                                      bool charTranslation)
{
    SDL_Scancode place = key.keysym.scancode;
    bool inRange = place >= 0 && place < SDL_NUM_SCANCODES;
    bool down = key.type == SDL_KEYDOWN;
    uint8_t vk = VirtualKeyOf(key.keysym);
    if (inRange && down) heldCodes[place] = vk;
    if (inRange && !down && heldCodes[place]) {
        vk = heldCodes[place];
        heldCodes[place] = 0;
    }
    if (vk == 0) return;
    out.push_back(Message{down ? MsgType::KeyDown : MsgType::KeyUp, vk});
    uint8_t control = ControlCharacterOf(vk);
    if (down && charTranslation && control) out.push_back(Message{MsgType::Char, control});
}

std::vector<Message> SdlEventTranslator::Translate(const SDL_Event& event, bool charTranslation,
                                                   bool windowMinimized)
{
    std::vector<Message> out;
    switch (event.type) {
    case SDL_QUIT: out.push_back(Message{MsgType::Close}); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: TranslateKey(out, event.key, charTranslation); break;
    case SDL_TEXTINPUT:
        if (charTranslation) AppendTextInput(out, event.text.text);
        break;
    case SDL_MOUSEMOTION:
        out.push_back(Message{MsgType::MouseMove, 0, event.motion.x, event.motion.y});
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT)
            out.push_back(Message{MsgType::LButtonDown, 0, event.button.x, event.button.y});
        else if (event.button.button == SDL_BUTTON_RIGHT)
            out.push_back(Message{MsgType::RButtonDown, 0, event.button.x, event.button.y});
        break;
    case SDL_WINDOWEVENT: AppendWindowEvent(out, event.window, windowMinimized); break;
    default: break;
    }
    return out;
}
