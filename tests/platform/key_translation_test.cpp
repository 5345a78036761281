#include "platform/key_translation.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/event_translation.h"
#include "platform/key_codes.h"

namespace {

// Every scan code that the options dialog can name must be producible by some physical key,
// or a player could never bind it.
TEST(KeyTranslation, EveryNamedScanCodeHasAKey) {
    const int named[] = {2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,
                         17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  29,  30,  31,  32,
                         33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,
                         48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  62,
                         63,  64,  65,  66,  67,  68,  69,  71,  72,  73,  74,  75,  76,  77,  78,
                         79,  80,  81,  82,  83,  87,  88,  100, 101, 102, 141, 157, 179, 181, 184,
                         197, 199, 200, 201, 203, 205, 207, 208, 209, 210, 211, 221};
    std::set<int> reachable;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        const int dik = dik_from_sdl_scancode(sc);
        if (dik >= 0) {
            EXPECT_LT(dik, 256);
            reachable.insert(dik);
        }
    }
    for (int code : named) {
        EXPECT_TRUE(reachable.count(code)) << "scan code " << code;
    }
}

TEST(KeyTranslation, PlayingKeysAndMenuKeys) {
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_Z), dik::z);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_C), dik::c);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_SPACE), dik::space);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_UP), 200);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_LEFT), 203);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_RIGHT), 205);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_DOWN), 208);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_K), 37);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_KP_ENTER), 156);
    EXPECT_EQ(dik_from_sdl_scancode(SDL_SCANCODE_UNKNOWN), -1);

    EXPECT_EQ(vk_from_sdl_keycode(SDLK_BACKSPACE), 8);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_RETURN), 13);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_KP_ENTER), 13);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_ESCAPE), 27);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_END), 35);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_HOME), 36);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_LEFT), 37);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_UP), 38);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_RIGHT), 39);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_DOWN), 40);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_INSERT), 45);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_DELETE), 46);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_v), 86);  // letters as upper-case ASCII
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_a), 'A');
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_7), '7');
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_F4), 115);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_F5), 116);
    EXPECT_EQ(vk_from_sdl_keycode(SDLK_MENU), 0);
}

class EventTranslation : public ::testing::Test {
  protected:
    void SetUp() override { register_user_events(); }
};

TEST_F(EventTranslation, KeysTextAndPostedMessages) {
    WindowEvents out;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_ESCAPE;
    translate_event(e, out);
    e.key.keysym.sym = SDLK_MENU;  // unknown keys send nothing
    translate_event(e, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, WindowEventKind::key_down);
    EXPECT_EQ(out[0].key, 27);

    out.clear();
    SDL_zero(e);
    e.type = SDL_TEXTINPUT;
    std::snprintf(e.text.text, sizeof e.text.text, "a\xc3\xa9~");  // "a", e-acute, "~"
    translate_event(e, out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].kind, WindowEventKind::char_typed);
    EXPECT_EQ(out[0].key, 'a');
    EXPECT_EQ(out[1].key, '~');

    out.clear();
    SDL_zero(e);
    e.type = tick_event_type();
    translate_event(e, out);
    e.type = close_event_type();
    translate_event(e, out);
    e.type = SDL_QUIT;  // the system's quit (a signal, the desktop) is a close request too
    translate_event(e, out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].kind, WindowEventKind::tick);
    EXPECT_EQ(out[1].kind, WindowEventKind::close);
    EXPECT_EQ(out[2].kind, WindowEventKind::close);
}

TEST_F(EventTranslation, MouseButtonsAndCoordinates) {
    WindowEvents out;
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 70000;  // client coordinates are 16-bit on the way
    e.motion.y = 20;
    e.motion.state = SDL_BUTTON_LMASK;
    translate_event(e, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, WindowEventKind::mouse_move);
    EXPECT_EQ(out[0].x, static_cast<int16_t>(70000));
    EXPECT_EQ(out[0].y, 20);
    EXPECT_TRUE(out[0].buttons & mouse_flags::left);

    out.clear();
    SDL_zero(e);
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;  // right press and middle go unhandled
    translate_event(e, out);
    e.button.button = SDL_BUTTON_MIDDLE;
    translate_event(e, out);
    EXPECT_TRUE(out.empty());
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = 12;
    e.button.y = 34;
    translate_event(e, out);
    e.type = SDL_MOUSEBUTTONUP;
    translate_event(e, out);
    e.button.button = SDL_BUTTON_RIGHT;
    translate_event(e, out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].kind, WindowEventKind::left_down);
    EXPECT_TRUE(out[0].buttons & mouse_flags::left);
    EXPECT_EQ(out[0].x, 12);
    EXPECT_EQ(out[0].y, 34);
    EXPECT_EQ(out[1].kind, WindowEventKind::left_up);
    EXPECT_FALSE(out[1].buttons & mouse_flags::left);
    EXPECT_EQ(out[2].kind, WindowEventKind::right_up);
}

}  // namespace
