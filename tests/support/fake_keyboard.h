#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

#include "core/keyboard_state.h"

// A keyboard whose keys and failures the test sets. Shared state lets the test keep changing
// it after the device has been handed to a KeyboardState.
struct FakeKeyboardKeys {
    uint8_t keys[256] = {};
    int32_t read_result = 0;  // what the next reads return
    int reads = 0;
    int acquires = 0;

    void press(int code) { keys[code] = 0x80; }
    void lift(int code) { keys[code] = 0; }
    void lift_all() { std::memset(keys, 0, sizeof keys); }
};

class FakeKeyboardDevice : public KeyboardDevice {
  public:
    explicit FakeKeyboardDevice(std::shared_ptr<FakeKeyboardKeys> keys) : m_keys(std::move(keys)) {}
    int32_t acquire() override {
        ++m_keys->acquires;
        return 0;
    }
    void unacquire() override {}
    int32_t read_state(uint8_t* state256) override {
        ++m_keys->reads;
        if (m_keys->read_result == 0) {
            std::memcpy(state256, m_keys->keys, 256);
        }
        return m_keys->read_result;
    }

  private:
    std::shared_ptr<FakeKeyboardKeys> m_keys;
};

// A KeyboardState attached to a fake device, for world and UI tests.
struct FakeKeyboard {
    std::shared_ptr<FakeKeyboardKeys> keys = std::make_shared<FakeKeyboardKeys>();
    KeyboardState state;
    FakeKeyboard() { state.create(std::make_unique<FakeKeyboardDevice>(keys)); }
    // Holds exactly these keys and polls, as a tick would.
    void hold(std::initializer_list<int> codes) {
        keys->lift_all();
        for (int c : codes)
            keys->press(c);
        state.poll();
    }
};
