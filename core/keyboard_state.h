#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// Where the raw key states come from: the platform keyboard in the game, a fake in tests.
// Results follow the device convention: 0 is success, negative values are errors.
class KeyboardDevice {
  public:
    virtual ~KeyboardDevice() = default;
    virtual int32_t acquire() = 0;
    virtual void unacquire() = 0;
    // Fills 256 bytes, one per scan code; bit 7 set means the key is down.
    virtual int32_t read_state(uint8_t* state256) = 0;
};

// The playing keys, read once per tick as scan codes (0..255, DIK numbering).
class KeyboardState {
  public:
    static constexpr int32_t kOk = 0;
    static constexpr int32_t kInputLost = static_cast<int32_t>(0x8007001E);
    static constexpr int32_t kNotAcquired = static_cast<int32_t>(0x8007000C);

    KeyboardState() = default;
    ~KeyboardState() { release(); }
    KeyboardState(const KeyboardState&) = delete;
    KeyboardState& operator=(const KeyboardState&) = delete;

    // Takes the device and acquires it; returns the result (0 on success).
    int32_t create(std::unique_ptr<KeyboardDevice> device);
    // Reads the 256 key bytes, re-acquiring after a failure as the device expects.
    void poll();
    // True only when the last poll succeeded and the key's bit 7 is set.
    bool is_down(int code) const;
    // The lowest scan code held down, or -1 (also when the last poll failed).
    int first_down() const;
    // Gives the device back; a second call does nothing.
    void release();
    // Keys held elsewhere (a gamepad while playing) added to every successful poll; empty
    // for none. Kept across devices.
    void set_overlay(std::function<void(uint8_t* state256)> overlay) {
        m_overlay = std::move(overlay);
    }

    int32_t last_result() const { return m_last_result; }
    bool attached() const { return m_device != nullptr; }

  private:
    std::unique_ptr<KeyboardDevice> m_device;
    int32_t m_last_result = kNotAcquired;
    uint8_t m_keys[256] = {};
    std::function<void(uint8_t* state256)> m_overlay;
};
