#include "core/keyboard_state.h"

#include <cstring>

int32_t KeyboardState::create(std::unique_ptr<KeyboardDevice> device) {
    release();
    m_device = std::move(device);
    if (!m_device) {
        m_last_result = kNotAcquired;
        return m_last_result;
    }
    m_last_result = m_device->acquire();
    return m_last_result;
}

void KeyboardState::poll() {
    if (!m_device) {
        m_last_result = kNotAcquired;
        return;
    }
    m_last_result = m_device->read_state(m_keys);
    if (m_last_result != kOk) {
        m_device->acquire();
        m_last_result = m_device->read_state(m_keys);
        if (m_last_result == kInputLost) {
            m_device->acquire();
            m_last_result = m_device->read_state(m_keys);
        }
    }
    if (m_last_result == kOk && m_overlay) {
        m_overlay(m_keys);
    }
}

bool KeyboardState::is_down(int code) const {
    if (m_last_result != kOk || code < 0 || code > 255) {
        return false;
    }
    return (m_keys[code] & 0x80) != 0;
}

int KeyboardState::first_down() const {
    if (m_last_result != kOk) {
        return -1;
    }
    for (int code = 0; code < 256; ++code) {
        if (m_keys[code] & 0x80) {
            return code;
        }
    }
    return -1;
}

void KeyboardState::release() {
    if (m_device) {
        m_device->unacquire();
        m_device.reset();
    }
    m_last_result = kNotAcquired;
    std::memset(m_keys, 0, sizeof m_keys);
}
