// The events tools build to play the program must mean, after the real translation, exactly
// what they were built for.

#include "platform/synthetic_input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/event_translation.h"
#include "platform/key_codes.h"
#include "platform/key_translation.h"

namespace {

WindowEvents translate_all(const std::vector<SDL_Event>& events) {
    WindowEvents out;
    for (const SDL_Event& e : events) {
        translate_event(e, out);
    }
    return out;
}

// Every window key the game knows comes back from the key that was built for it, and that
// key has a place on the keyboard, so a key reader polling during the press reads it.
TEST(SyntheticInput, EveryKnownWindowKeyRoundTrips) {
    int known = 0;
    for (int vk = 1; vk < 256; ++vk) {
        const int sym = sdl_keycode_from_vk(vk);
        if (sym == 0) {
            continue;
        }
        ++known;
        EXPECT_EQ(vk_from_sdl_keycode(sym), vk) << "window key " << vk;
        EXPECT_NE(sdl_scancode_from_keycode(sym), SDL_SCANCODE_UNKNOWN) << "window key " << vk;
        std::vector<SDL_Event> events;
        ASSERT_TRUE(synthetic_input::key_press(vk, events)) << vk;
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0].type, SDL_KEYDOWN);
        EXPECT_EQ(events[1].type, SDL_KEYUP);
        const WindowEvents out = translate_all(events);
        ASSERT_EQ(out.size(), 1u) << vk;
        EXPECT_EQ(out[0].kind, WindowEventKind::key_down);
        EXPECT_EQ(out[0].key, vk);
    }
    EXPECT_GT(known, 90);
    std::vector<SDL_Event> none;
    EXPECT_FALSE(synthetic_input::key_press(0, none));
    EXPECT_FALSE(synthetic_input::key_press(255, none));
    EXPECT_TRUE(none.empty());
}

TEST(SyntheticInput, WindowKeysPressTheScanCodesTheGamePolls) {
    auto dik_of = [](int vk) {
        std::vector<SDL_Event> events;
        synthetic_input::key_press(vk, events);
        return events.empty() ? -2 : dik_from_sdl_scancode(events[0].key.keysym.scancode);
    };
    EXPECT_EQ(dik_of('Z'), dik::z);
    EXPECT_EQ(dik_of('K'), 37);
    EXPECT_EQ(dik_of('1'), 2);
    EXPECT_EQ(dik_of(vk::space), dik::space);
    EXPECT_EQ(dik_of(vk::enter), dik::enter);
    EXPECT_EQ(dik_of(vk::escape), dik::escape);
    EXPECT_EQ(dik_of(vk::left), dik::left);
    EXPECT_EQ(dik_of(vk::down), dik::down);
    EXPECT_EQ(dik_of(vk::del), 211);
    EXPECT_EQ(dik_of(vk::f5), 63);
    EXPECT_EQ(dik_of(186), 39);  // ;
    EXPECT_EQ(dik_of(96), 82);   // numeric pad 0

    // Every scan code a key sends leads back to that key.
    for (int dik = 0; dik < 256; ++dik) {
        const int sc = sdl_scancode_from_dik(dik);
        if (sc != SDL_SCANCODE_UNKNOWN) {
            EXPECT_EQ(dik_from_sdl_scancode(sc), dik) << dik;
        }
    }
    EXPECT_EQ(sdl_scancode_from_dik(0), SDL_SCANCODE_UNKNOWN);
    EXPECT_EQ(sdl_scancode_from_dik(255), SDL_SCANCODE_UNKNOWN);
}

TEST(SyntheticInput, KeyStateReadsAsScanCodes) {
    std::array<uint8_t, SDL_NUM_SCANCODES> keys{};
    keys[SDL_SCANCODE_LEFT] = 1;
    keys[SDL_SCANCODE_SPACE] = 1;
    keys[SDL_SCANCODE_LANG1] = 1;  // no scan code: not seen
    uint8_t state[256];
    std::fill(std::begin(state), std::end(state), uint8_t{0x55});
    dik_state_from_sdl(keys.data(), static_cast<int>(keys.size()), state);
    int down = 0;
    for (int i = 0; i < 256; ++i) {
        down += state[i] != 0;
    }
    EXPECT_EQ(down, 2);
    EXPECT_EQ(state[dik::left], 0x80);
    EXPECT_EQ(state[dik::space], 0x80);
}

TEST(SyntheticInput, TypedTextArrivesAsKeysAndCharacters) {
    std::vector<SDL_Event> events;
    synthetic_input::typed_text("Ab 1!~", true, events);
    const WindowEvents out = translate_all(events);
    std::string chars;
    std::vector<int> keys;
    for (const WindowEvent& e : out) {
        if (e.kind == WindowEventKind::char_typed) {
            chars += static_cast<char>(e.key);
        } else if (e.kind == WindowEventKind::key_down) {
            keys.push_back(e.key);
        }
    }
    EXPECT_EQ(chars, "Ab 1!~");
    // Shift before each capital or symbol, then the key that types it.
    const std::vector<int> expected = {vk::shift, 'A', 'B',       vk::space, '1',
                                       vk::shift, '1', vk::shift, 192};
    EXPECT_EQ(keys, expected);
    // A key is never left down.
    int balance = 0;
    for (const SDL_Event& e : events) {
        balance += e.type == SDL_KEYDOWN ? 1 : e.type == SDL_KEYUP ? -1 : 0;
        EXPECT_GE(balance, 0);
    }
    EXPECT_EQ(balance, 0);

    // Without text input the keys still go down, but no character comes.
    events.clear();
    synthetic_input::typed_text("ab", false, events);
    for (const WindowEvent& e : translate_all(events)) {
        EXPECT_NE(e.kind, WindowEventKind::char_typed);
    }

    // The two bytes of a non-ASCII character travel as one text event (the game drops it).
    events.clear();
    synthetic_input::typed_text("a\xc3\xa9z", true, events);
    int texts = 0;
    for (const SDL_Event& e : events) {
        texts += e.type == SDL_TEXTINPUT;
    }
    EXPECT_EQ(texts, 3);
    chars.clear();
    for (const WindowEvent& e : translate_all(events)) {
        if (e.kind == WindowEventKind::char_typed) {
            chars += static_cast<char>(e.key);
        }
    }
    EXPECT_EQ(chars, "az");
}

TEST(SyntheticInput, MouseEventsKeepTheirPoint) {
    const WindowEvents out = translate_all({synthetic_input::mouse_motion(300, 200, 0),
                                            synthetic_input::left_button(true, 301, 202),
                                            synthetic_input::left_button(false, 303, 204)});
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].kind, WindowEventKind::mouse_move);
    EXPECT_EQ(out[0].x, 300);
    EXPECT_EQ(out[0].buttons & mouse_flags::left, 0);
    EXPECT_EQ(out[1].kind, WindowEventKind::left_down);
    EXPECT_EQ(out[1].y, 202);
    EXPECT_NE(out[1].buttons & mouse_flags::left, 0);
    EXPECT_EQ(out[2].kind, WindowEventKind::left_up);
    EXPECT_EQ(out[2].x, 303);
}

}  // namespace
