#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "png_writer.h"
#include "script.h"

class AppWindow;
class GameApp;
class MainMenu;

// The held playing keys the driver sets; the game polls them through its keyboard device.
using HeldKeys = std::array<uint8_t, 256>;

// Runs the program's start-up, then advances it step by step from a script: ticks are run
// when the script says, never by the timer, and input is injected as the program would
// receive it. Everything else (screens, dialogs, files, drawing) is the program's own.
class Driver {
  public:
    // `output_dir` is where relative screenshot names go (the caller's directory; the driver
    // itself runs in the game directory, where the game's files are).
    Driver(GameApp& app, std::string output_dir);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Start-up as the program does it, up to the main menu. False when the window failed.
    bool start();
    // Runs one step; false (with `error`) when it failed or an assertion did not hold.
    bool run(const Step& step, std::string& error);
    // Shutdown as the program does it after its message loop; the script's end does it too.
    void finish();
    bool finished() const { return m_finished; }

  private:
    // Handles whatever the window system queued, as the message loop would (timer ticks are
    // left out: the script decides when ticks happen).
    void pump();
    void run_ticks(long count);
    void send_mouse(int kind, int x, int y);
    void to_window(long x, long y, int& wx, int& wy) const;
    // Draws a frame into the back buffer and reads it.
    RgbImage capture();
    std::string state_line() const;
    void use_driver_keyboard();

    GameApp& m_app;
    std::string m_output_dir;
    std::unique_ptr<AppWindow> m_window;
    std::unique_ptr<MainMenu> m_menu;
    std::shared_ptr<HeldKeys> m_keys = std::make_shared<HeldKeys>();
    bool m_started = false;
    bool m_finished = false;
};
