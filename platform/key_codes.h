#pragma once

// Key numbering the game speaks in, independent of the windowing library:
//  - scan codes 0..255 in the DirectInput (DIK) numbering, for the polled playing keys and the
//    key bindings;
//  - window key codes in the Windows virtual-key numbering, for menu keys and editing.

namespace dik {
constexpr int escape = 1, p = 25, enter = 28, left_ctrl = 29, left_shift = 42, z = 44, c = 46,
              right_shift = 54, left_alt = 56, space = 57, scroll_lock = 70, numpad_enter = 156,
              right_ctrl = 157, right_alt = 184, up = 200, left = 203, right = 205, down = 208;
}

namespace vk {
constexpr int backspace = 8, tab = 9, enter = 13, shift = 16, control = 17, escape = 27, space = 32,
              page_up = 33, page_down = 34, end = 35, home = 36, left = 37, up = 38, right = 39,
              down = 40, insert = 45, del = 46, p = 0x50, f1 = 112, f4 = 115, f5 = 116, f11 = 122;
}

// Window mouse button flags (the Windows MK_ values).
namespace mouse_flags {
constexpr int left = 0x01, right = 0x02, shift = 0x04, control = 0x08, middle = 0x10;
}
