#pragma once

#include <cstdint>

// Everything the player sees is a screen: the intro, the main menu, the play screen and every
// dialog. The window forwards each tick and each input message to exactly one of them.
class Screen {
  public:
    virtual ~Screen() = default;

    virtual void tick(int elapsed_ms) { (void)elapsed_ms; }
    virtual void draw() {}
    virtual void activate() {}
    virtual void key_down(int virtual_key) { (void)virtual_key; }
    virtual void char_typed(int code, int repeat) {
        (void)code;
        (void)repeat;
    }
    virtual void mouse_move(int x, int y, int buttons) {
        (void)x;
        (void)y;
        (void)buttons;
    }
    virtual void left_button_up(int x, int y, int buttons) {
        (void)x;
        (void)y;
        (void)buttons;
    }
    virtual void left_button_down(int x, int y, int buttons) {
        (void)x;
        (void)y;
        (void)buttons;
    }
    virtual void right_button_up(int x, int y, int buttons) {
        (void)x;
        (void)y;
        (void)buttons;
    }
    virtual void on_dialog_closed(int result, Screen* dialog) {
        (void)result;
        (void)dialog;
    }
    virtual void on_close_request() {}

    int32_t result() const { return m_result; }
    void set_result(int32_t code) { m_result = code; }

  private:
    int32_t m_result = 0;
};
