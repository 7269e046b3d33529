#include <gtest/gtest.h>
#include <cstring>
#include "shell/SdlEvents.h"
#include "shell/VirtualKeys.h"

namespace {

// A key as SDL reports it: its place (scancode), the symbol the layout puts
// there, and the modifiers (NumLock) in force.
SDL_Event Key(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym = SDLK_UNKNOWN, Uint16 mod = KMOD_NONE)
{
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = sym == SDLK_UNKNOWN ? SDL_SCANCODE_TO_KEYCODE(scancode) : sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event Text(const char* utf8)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    return e;
}

// The code of one key-down.
uint32_t CodeOf(SDL_Scancode place, SDL_Keycode sym, Uint16 mod = KMOD_NONE)
{
    SdlEventTranslator events;
    auto out = events.Translate(Key(SDL_KEYDOWN, place, sym, mod), false, false);
    return out.empty() ? 0 : out[0].wParam;
}

TEST(SdlEvents, KeysBecomeVirtualKeyCodesAndEnterTypesACharacterOnlyWhileTranslating)
{
    SdlEventTranslator events;
    auto down = events.Translate(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, SDLK_RETURN), false, false);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].type, MsgType::KeyDown);
    EXPECT_EQ(down[0].wParam, uint32_t(VK_RETURN));

    auto typing = events.Translate(Key(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE), true, false);
    ASSERT_EQ(typing.size(), 2u);
    EXPECT_EQ(typing[1].type, MsgType::Char);
    EXPECT_EQ(typing[1].wParam, 8u);

    auto up = events.Translate(Key(SDL_KEYUP, SDL_SCANCODE_A, SDLK_a), true, false);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].type, MsgType::KeyUp);
    EXPECT_EQ(up[0].wParam, uint32_t('A'));

    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F11), VK_F11);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_0), '0');
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_DELETE), VK_DELETE);
    // Keys with no code make no message at all.
    EXPECT_TRUE(events.Translate(Key(SDL_KEYDOWN, SDL_SCANCODE_KP_EQUALS), false, false).empty());
}

// Letters and digits are the ones printed on the key, whatever its place;
// named keys keep their place.
TEST(SdlEvents, LettersAndDigitsFollowTheLayoutAndNamedKeysThePlace)
{
    // AZERTY: M sits where US has the semicolon, the comma where US has M,
    // A and Q swap, and the digit row types symbols unshifted.
    EXPECT_EQ(CodeOf(SDL_SCANCODE_SEMICOLON, SDLK_m), uint32_t('M'));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_M, SDLK_COMMA), 0xBCu);
    EXPECT_EQ(CodeOf(SDL_SCANCODE_Q, SDLK_a), uint32_t('A'));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_1, SDLK_AMPERSAND), uint32_t('1'));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_0, 0xE0), uint32_t('0'));  // a grave
    // Dvorak: E where US has D, O where US has S.
    EXPECT_EQ(CodeOf(SDL_SCANCODE_D, SDLK_e), uint32_t('E'));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_S, SDLK_o), uint32_t('O'));
    // Cyrillic letters have no code of their own: the place decides.
    EXPECT_EQ(CodeOf(SDL_SCANCODE_E, 0x0443), uint32_t('E'));
    // Named keys stay physical whatever the layout reports.
    EXPECT_EQ(CodeOf(SDL_SCANCODE_F11, SDLK_F11), uint32_t(VK_F11));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_LEFT, SDLK_LEFT), uint32_t(VK_LEFT));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), uint32_t(VK_ESCAPE));
}

TEST(SdlEvents, KeypadArrowsWalkWhileNumLockIsOff)
{
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_4, SDLK_KP_4), uint32_t(VK_LEFT));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_8, SDLK_KP_8), uint32_t(VK_UP));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_6, SDLK_KP_6), uint32_t(VK_RIGHT));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_2, SDLK_KP_2), uint32_t(VK_DOWN));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD), uint32_t(VK_DELETE));
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_4, SDLK_KP_4, KMOD_NUM), 0x64u);
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_0, SDLK_KP_0, KMOD_NUM), 0x60u);
    EXPECT_EQ(CodeOf(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER), uint32_t(VK_RETURN));
}

// A key released after NumLock or the layout changed lifts the code it
// went down with, so the player does not walk on by himself.
TEST(SdlEvents, AReleaseLiftsTheCodeTheKeyWentDownWith)
{
    SdlEventTranslator events;
    events.Translate(Key(SDL_KEYDOWN, SDL_SCANCODE_KP_4, SDLK_KP_4), false, false);
    auto up = events.Translate(Key(SDL_KEYUP, SDL_SCANCODE_KP_4, SDLK_KP_4, KMOD_NUM), false, false);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].wParam, uint32_t(VK_LEFT));

    events.Translate(Key(SDL_KEYDOWN, SDL_SCANCODE_SEMICOLON, SDLK_m), false, false);
    up = events.Translate(Key(SDL_KEYUP, SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON), false, false);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].wParam, uint32_t('M'));
    // Once released, the place maps afresh.
    up = events.Translate(Key(SDL_KEYUP, SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON), false, false);
    EXPECT_EQ(up.at(0).wParam, 0xBAu);
}

TEST(SdlEvents, TypedTextBecomesSingleByteCharactersOnlyWhileTranslating)
{
    SdlEventTranslator events;
    EXPECT_TRUE(events.Translate(Text("a"), false, false).empty());
    // "a", e acute (233), the euro sign (no single byte: dropped), "z".
    auto chars = events.Translate(Text("a\xC3\xA9\xE2\x82\xACz"), true, false);
    ASSERT_EQ(chars.size(), 3u);
    EXPECT_EQ(chars[0].wParam, uint32_t('a'));
    EXPECT_EQ(chars[1].wParam, 233u);
    EXPECT_EQ(chars[2].wParam, uint32_t('z'));
}

TEST(SdlEvents, FocusChangesOfAMinimizedWindowGetNoActivationHandling)
{
    SdlEventTranslator events;
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    EXPECT_EQ(events.Translate(e, false, false).at(0).type, MsgType::ActivateInactive);
    EXPECT_EQ(events.Translate(e, false, true).at(0).type, MsgType::ActivateMinimized);
    e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    EXPECT_EQ(events.Translate(e, false, false).at(0).type, MsgType::ActivateActive);
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 5;
    e.button.y = 7;
    auto click = events.Translate(e, false, false);
    ASSERT_EQ(click.size(), 1u);
    EXPECT_EQ(click[0].type, MsgType::RButtonDown);
    EXPECT_EQ(click[0].y, 7);
}

}  // namespace
