#pragma once

#include "ui/screen.h"

// The bottom screen while the menus are not there yet: a plain backdrop. Escape and the close
// request end the program the way the menus will.
class StartupScreen : public Screen {
  public:
    void draw() override;
    void key_down(int virtual_key) override;
    void on_close_request() override;
};
