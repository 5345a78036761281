#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "png_writer.h"
#include "script.h"

union SDL_Event;
struct _SDL_Joystick;
typedef struct _SDL_Joystick SDL_Joystick;
class AppWindow;
class GameApp;
class MainMenu;

// The keys down on the driver's keyboard, by SDL scancode, as the windowing library keeps its
// own key state: those held by the script ("hold") and the one being pressed by a key or typed
// character. The game polls them through its keyboard device.
struct HeldKeys {
    static constexpr int kCount = 512;  // SDL_NUM_SCANCODES
    std::array<uint8_t, kCount> held{};
    std::array<uint8_t, kCount> pressed{};
};

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
    // Puts real window-system events on the queue one at a time and handles each as the
    // message loop does; a key is down on the driver's keyboard between its down and up.
    void inject(const std::vector<SDL_Event>& events);
    bool press_key(long vk, std::string& error);
    void to_window(long x, long y, int& wx, int& wy) const;
    // Draws a frame into the back buffer and reads it.
    RgbImage capture();
    std::string state_line() const;
    void use_driver_keyboard();
    // The virtual game controller steps.
    bool pad(const std::string& words, std::string& error);
    void detach_pad(bool handle_events);

    GameApp& m_app;
    std::string m_output_dir;
    std::unique_ptr<AppWindow> m_window;
    std::unique_ptr<MainMenu> m_menu;
    std::shared_ptr<HeldKeys> m_keys = std::make_shared<HeldKeys>();
    SDL_Joystick* m_pad = nullptr;
    bool m_started = false;
    bool m_finished = false;
};
