#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/letterbox.h"
#include "platform/window_events.h"
#include "sound/music_player.h"
#include "ui/screen_host.h"

class GameApp;
class GlWindow;
class MainMenu;
class Screen;
class TickTimer;

// The single window object: the window and its GL context, the stacks of screens and dialogs,
// display-mode changes and the per-tick dispatch. The stacks hold references only. Every screen
// and dialog it is given reaches it as its host.
class AppWindow final : public ScreenHost {
  public:
    AppWindow(const std::string& title, GameApp& app);
    ~AppWindow();
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    // Skips to the next music track (F5, a new level, the play screen shown again).
    void next_track() override { m_music.next_track(); }
    MusicPlayer& music() { return m_music; }
    // The game's pause: music and effects stop where they are, and go on from there.
    void set_sound_paused(bool paused) override;
    bool sound_paused() const { return m_sound_paused; }

    // Screen and dialog stacks.
    void push_screen(Screen* screen) override;
    void open_dialog(Screen* dialog) override;
    void close_top(bool immediately) override;
    void close_request();
    // Takes a screen off the stack without the pop rule (the intro being replaced at start-up).
    void remove_screen(Screen* screen);
    Screen* top_screen() const { return m_screens.empty() ? nullptr : m_screens.front(); }
    Screen* top_dialog() const { return m_dialogs.empty() ? nullptr : m_dialogs.front(); }
    // The dialog is open, or closed and not yet reported to its opener: its owner must keep it.
    bool holds_dialog(const Screen* dialog) const override;
    // Lets go of a dialog its owner is about to delete (the owner going away at exit).
    void forget_dialog(const Screen* dialog) override;
    size_t screen_count() const { return m_screens.size(); }
    // The main menu while there is one (the bottom screen); the game saves itself through it.
    void set_menu(MainMenu* menu) { m_menu = menu; }
    MainMenu* menu() const { return m_menu; }
    size_t dialog_count() const { return m_dialogs.size(); }

    // One timer message: tick(30), draw, flush, swap, with tick_in_progress held meanwhile.
    void run_tick();
    void tick(int elapsed_ms);
    // The frame: the top screen, then the dialogs oldest first. The only way to a screen's
    // draw(); it draws nothing while minimised or without a current GL context.
    void draw();

    // Window messages (routed to the top dialog, else the top screen).
    void handle_event(const WindowEvent& event);
    void key_down(int virtual_key);
    void char_typed(int code, int repeat);
    void mouse_move(int x, int y, int buttons);
    void left_button_down(int x, int y, int buttons);
    void left_button_up(int x, int y, int buttons);
    void right_button_up(int x, int y, int buttons);
    void pad_button(int button);
    void set_active(bool active) { m_active = active; }
    bool is_active() const { return m_active; }
    // The close message: with F4 held it asks the top screen, otherwise it ends the program.
    void on_close(bool f4_down);
    bool quit_posted() const { return m_quit; }
    // Runs the message loop until the quit message; returns the exit code.
    int run_message_loop();

    // Window, context, keyboard and timer.
    void create_window(const std::string& title, int x, int y, int width, int height);
    void destroy_window();
    // Full screen for a logical picture of this size: the display's own mode of that size when
    // it has one, else the whole desktop with the picture scaled. False, with the window as it
    // was, when the display refuses both.
    bool set_fullscreen(int width, int height);
    // Back to the window's own size and place.
    bool restore_display();
    // F11 and the menu's button: full screen for the logical screen, or back.
    void toggle_fullscreen() override;
    void minimize() override;
    void restore_from_minimized();
    void hide();
    void swap_buffers();
    void window_position(int& left, int& top) const override;
    void move_window(int left, int top) override;

    // The window's size in window coordinates (the whole display while in full screen).
    int width() const override;
    int height() const override;
    // The drawable in pixels, larger than the window on a high-density display.
    void drawable_size(int& width, int& height) const override;
    void picture_size(int& width, int& height) const override;
    // Where the logical picture sits in the drawable.
    Letterbox picture() const;
    // A window point in logical units; false (and far off the picture) on a bar.
    bool to_logical(int x, int y, int& lx, int& ly) const override;
    // The window point over logical (lx, ly), for tools that click.
    void to_window(double lx, double ly, int& x, int& y) const;
    int left() const { return m_left; }
    int top() const { return m_top; }
    bool is_fullscreen() const override { return m_fullscreen; }
    bool is_minimized() const { return m_minimized; }
    bool has_window() const override;
    const std::atomic<bool>& tick_in_progress() const { return m_tick_in_progress; }
    GameApp& app() { return m_app; }
    const GameApp& app() const { return m_app; }

  private:
    void pop(bool deferred);
    void put_window_back();
    int width_now() const;
    int height_now() const;

    std::unique_ptr<GlWindow> m_window;
    std::unique_ptr<TickTimer> m_timer;
    std::vector<Screen*> m_screens;  // element 0 is the top
    std::vector<Screen*> m_dialogs;  // element 0 is the newest dialog
    Screen* m_closed_dialog = nullptr;
    MainMenu* m_menu = nullptr;
    bool m_notify_pending = false;
    bool m_close_pending = false;
    std::string m_class_name;
    std::string m_title;
    bool m_active = false;
    bool m_fullscreen = false;
    bool m_minimized = false;
    bool m_quit = false;
    bool m_moved = false;  // dragged since the settings were last saved
    bool m_sound_paused = false;
    int m_width = 0;
    int m_height = 0;
    int m_saved_width = 0;
    int m_saved_height = 0;
    int m_saved_left = 0;
    int m_saved_top = 0;
    int m_left = 0;
    int m_top = 0;
    GameApp& m_app;
    MusicPlayer m_music;
    std::atomic<bool> m_tick_in_progress{false};
};
