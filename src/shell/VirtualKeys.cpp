#include "shell/VirtualKeys.h"

namespace {

// The punctuation keys of a US keyboard: their place, their symbol, their
// code.
struct Punctuation {
    SDL_Scancode place;
    SDL_Keycode symbol;
    uint8_t code;
};

constexpr Punctuation PUNCTUATION[] = {
    {SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, 0xBA},
    {SDL_SCANCODE_EQUALS, SDLK_EQUALS, 0xBB},
    {SDL_SCANCODE_COMMA, SDLK_COMMA, 0xBC},
    {SDL_SCANCODE_MINUS, SDLK_MINUS, 0xBD},
    {SDL_SCANCODE_PERIOD, SDLK_PERIOD, 0xBE},
    {SDL_SCANCODE_SLASH, SDLK_SLASH, 0xBF},
    {SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, 0xC0},
    {SDL_SCANCODE_LEFTBRACKET, SDLK_LEFTBRACKET, 0xDB},
    {SDL_SCANCODE_BACKSLASH, SDLK_BACKSLASH, 0xDC},
    {SDL_SCANCODE_RIGHTBRACKET, SDLK_RIGHTBRACKET, 0xDD},
    {SDL_SCANCODE_APOSTROPHE, SDLK_QUOTE, 0xDE},
};

// Letters, digits and punctuation by the symbol the layout puts on the key.
uint8_t VirtualKeyFromSymbol(SDL_Keycode sym)
{
    if (sym >= SDLK_a && sym <= SDLK_z) return static_cast<uint8_t>('A' + (sym - SDLK_a));
    if (sym >= SDLK_0 && sym <= SDLK_9) return static_cast<uint8_t>('0' + (sym - SDLK_0));
    for (const Punctuation& p : PUNCTUATION)
        if (p.symbol == sym) return p.code;
    return 0;
}

uint8_t PunctuationFromScancode(SDL_Scancode sc)
{
    for (const Punctuation& p : PUNCTUATION)
        if (p.place == sc) return p.code;
    return 0;
}

bool IsKeypadDigitOrPoint(SDL_Scancode sc)
{
    return (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_0) || sc == SDL_SCANCODE_KP_PERIOD;
}

// What the keypad's digit keys are while NumLock is off.
uint8_t KeypadNavigationKey(SDL_Scancode sc)
{
    switch (sc) {
    case SDL_SCANCODE_KP_1: return VK_END;
    case SDL_SCANCODE_KP_2: return VK_DOWN;
    case SDL_SCANCODE_KP_3: return VK_NEXT;
    case SDL_SCANCODE_KP_4: return VK_LEFT;
    case SDL_SCANCODE_KP_5: return VK_CLEAR;
    case SDL_SCANCODE_KP_6: return VK_RIGHT;
    case SDL_SCANCODE_KP_7: return VK_HOME;
    case SDL_SCANCODE_KP_8: return VK_UP;
    case SDL_SCANCODE_KP_9: return VK_PRIOR;
    case SDL_SCANCODE_KP_0: return VK_INSERT;
    default: return VK_DELETE;  // the keypad's point
    }
}

uint8_t KeypadDigitKey(SDL_Scancode sc)
{
    if (sc == SDL_SCANCODE_KP_PERIOD) return VK_DECIMAL;
    if (sc == SDL_SCANCODE_KP_0) return VK_NUMPAD0;
    return static_cast<uint8_t>(VK_NUMPAD0 + 1 + (sc - SDL_SCANCODE_KP_1));
}

// Keys with a code of their own, as on a US keyboard.
uint8_t NamedKeyFromScancode(SDL_Scancode sc)
{
    switch (sc) {
    case SDL_SCANCODE_BACKSPACE: return VK_BACK;
    case SDL_SCANCODE_TAB: return VK_TAB;
    case SDL_SCANCODE_RETURN: case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
    case SDL_SCANCODE_LSHIFT: case SDL_SCANCODE_RSHIFT: return VK_SHIFT;
    case SDL_SCANCODE_LCTRL: case SDL_SCANCODE_RCTRL: return VK_CONTROL;
    case SDL_SCANCODE_LALT: case SDL_SCANCODE_RALT: return VK_MENU;
    case SDL_SCANCODE_PAUSE: return VK_PAUSE;
    case SDL_SCANCODE_CAPSLOCK: return VK_CAPITAL;
    case SDL_SCANCODE_ESCAPE: return VK_ESCAPE;
    case SDL_SCANCODE_SPACE: return VK_SPACE;
    case SDL_SCANCODE_PAGEUP: return VK_PRIOR;
    case SDL_SCANCODE_PAGEDOWN: return VK_NEXT;
    case SDL_SCANCODE_END: return VK_END;
    case SDL_SCANCODE_HOME: return VK_HOME;
    case SDL_SCANCODE_LEFT: return VK_LEFT;
    case SDL_SCANCODE_UP: return VK_UP;
    case SDL_SCANCODE_RIGHT: return VK_RIGHT;
    case SDL_SCANCODE_DOWN: return VK_DOWN;
    case SDL_SCANCODE_PRINTSCREEN: return 0x2C;
    case SDL_SCANCODE_INSERT: return VK_INSERT;
    case SDL_SCANCODE_DELETE: return VK_DELETE;
    case SDL_SCANCODE_LGUI: return 0x5B;
    case SDL_SCANCODE_RGUI: return 0x5C;
    case SDL_SCANCODE_APPLICATION: return 0x5D;
    case SDL_SCANCODE_KP_MULTIPLY: return 0x6A;
    case SDL_SCANCODE_KP_PLUS: return 0x6B;
    case SDL_SCANCODE_KP_MINUS: return 0x6D;
    case SDL_SCANCODE_KP_DIVIDE: return 0x6F;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 0x90;
    case SDL_SCANCODE_SCROLLLOCK: return 0x91;
    case SDL_SCANCODE_MUTE: case SDL_SCANCODE_AUDIOMUTE: return 0xAD;
    case SDL_SCANCODE_VOLUMEDOWN: return 0xAE;
    case SDL_SCANCODE_VOLUMEUP: return 0xAF;
    case SDL_SCANCODE_AUDIONEXT: return 0xB0;
    case SDL_SCANCODE_AUDIOPREV: return 0xB1;
    case SDL_SCANCODE_AUDIOSTOP: return 0xB2;
    case SDL_SCANCODE_AUDIOPLAY: return 0xB3;
    case SDL_SCANCODE_NONUSBACKSLASH: return 0xE2;
    default: return 0;
    }
}

} // namespace

uint8_t VirtualKeyOf(const SDL_Keysym& key)
{
    if (IsKeypadDigitOrPoint(key.scancode))
        return (key.mod & KMOD_NUM) ? KeypadDigitKey(key.scancode) : KeypadNavigationKey(key.scancode);
    if (uint8_t vk = VirtualKeyFromSymbol(key.sym)) return vk;
    return VirtualKeyFromScancode(key.scancode);
}

uint8_t VirtualKeyFromScancode(SDL_Scancode sc)
{
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return static_cast<uint8_t>('A' + (sc - SDL_SCANCODE_A));
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return static_cast<uint8_t>('1' + (sc - SDL_SCANCODE_1));
    if (sc == SDL_SCANCODE_0) return '0';
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return static_cast<uint8_t>(VK_F1 + (sc - SDL_SCANCODE_F1));
    if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24) return static_cast<uint8_t>(VK_F13 + (sc - SDL_SCANCODE_F13));
    if (IsKeypadDigitOrPoint(sc)) return KeypadDigitKey(sc);
    if (uint8_t vk = NamedKeyFromScancode(sc)) return vk;
    return PunctuationFromScancode(sc);
}

uint8_t ControlCharacterOf(uint8_t vk)
{
    switch (vk) {
    case VK_RETURN: return 13;
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_ESCAPE: return 27;
    default: return 0;
    }
}
