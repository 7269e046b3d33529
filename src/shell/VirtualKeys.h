#pragma once
#include <SDL2/SDL_keyboard.h>
#include <cstdint>

// Windows virtual-key codes, the indices of the key-state block.
enum VirtualKey : uint8_t {
    VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D, VK_SHIFT = 0x10,
    VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24,
    VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D,
    VK_DELETE = 0x2E, VK_NUMPAD0 = 0x60, VK_DECIMAL = 0x6E, VK_F1 = 0x70, VK_F11 = 0x7A,
    VK_F12 = 0x7B, VK_F13 = 0x7C
};

// The virtual-key code of a key as Windows gives it, or 0 for the few keys
// that have none here (the keypad's equals key, international and most
// multimedia keys); those keys make no message at all.
// - Letters and digits follow the keyboard layout: the symbol printed on
//   the key decides, so M is the key labelled M on AZERTY or Dvorak too;
//   punctuation symbols get their US codes. A key whose symbol is none of
//   these (the digit row of AZERTY, the letters of Cyrillic layouts) keeps
//   the code of its place on a US keyboard.
// - Named keys (arrows, F1-F24, Escape, Enter, ...) are physical.
// - Keypad keys give digits while NumLock is on and, while it is off, the
//   navigation keys printed on them: 8, 2, 4, 6 walk like the arrows.
uint8_t VirtualKeyOf(const SDL_Keysym& key);

// The code of a key by its place on a US keyboard, or 0.
uint8_t VirtualKeyFromScancode(SDL_Scancode scancode);

// The character Windows' message translation makes of a key that SDL's
// text input does not report (Enter, Backspace, Tab, Escape), or 0.
uint8_t ControlCharacterOf(uint8_t virtualKey);
