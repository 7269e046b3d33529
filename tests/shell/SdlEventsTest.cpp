#include <gtest/gtest.h>
#include <cstring>
#include "shell/SdlEvents.h"
#include "shell/VirtualKeys.h"

namespace {

SDL_Event Key(Uint32 type, SDL_Scancode scancode)
{
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = scancode;
    return e;
}

SDL_Event Text(const char* utf8)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    return e;
}

TEST(SdlEvents, KeysBecomeVirtualKeyCodesAndEnterTypesACharacterOnlyWhileTranslating)
{
    auto down = MessagesFromSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN), false, false);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].type, MsgType::KeyDown);
    EXPECT_EQ(down[0].wParam, uint32_t(VK_RETURN));

    auto typing = MessagesFromSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE), true, false);
    ASSERT_EQ(typing.size(), 2u);
    EXPECT_EQ(typing[1].type, MsgType::Char);
    EXPECT_EQ(typing[1].wParam, 8u);

    auto up = MessagesFromSdlEvent(Key(SDL_KEYUP, SDL_SCANCODE_A), true, false);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].type, MsgType::KeyUp);
    EXPECT_EQ(up[0].wParam, uint32_t('A'));

    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F11), VK_F11);
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_0), '0');
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_DELETE), VK_DELETE);
    EXPECT_TRUE(MessagesFromSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_APPLICATION), false, false).empty());
}

TEST(SdlEvents, TypedTextBecomesSingleByteCharactersOnlyWhileTranslating)
{
    EXPECT_TRUE(MessagesFromSdlEvent(Text("a"), false, false).empty());
    // "a", e acute (233), the euro sign (no single byte: dropped), "z".
    auto chars = MessagesFromSdlEvent(Text("a\xC3\xA9\xE2\x82\xACz"), true, false);
    ASSERT_EQ(chars.size(), 3u);
    EXPECT_EQ(chars[0].wParam, uint32_t('a'));
    EXPECT_EQ(chars[1].wParam, 233u);
    EXPECT_EQ(chars[2].wParam, uint32_t('z'));
}

TEST(SdlEvents, FocusChangesOfAMinimizedWindowGetNoActivationHandling)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    EXPECT_EQ(MessagesFromSdlEvent(e, false, false).at(0).type, MsgType::ActivateInactive);
    EXPECT_EQ(MessagesFromSdlEvent(e, false, true).at(0).type, MsgType::ActivateMinimized);
    e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    EXPECT_EQ(MessagesFromSdlEvent(e, false, false).at(0).type, MsgType::ActivateActive);
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 5;
    e.button.y = 7;
    auto click = MessagesFromSdlEvent(e, false, false);
    ASSERT_EQ(click.size(), 1u);
    EXPECT_EQ(click[0].type, MsgType::RButtonDown);
    EXPECT_EQ(click[0].y, 7);
}

}  // namespace
