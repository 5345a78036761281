#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/user_paths.h"
#include "gfx/screen_cache.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/game_screen.h"
#include "ui/publisher_banner.h"
#include "ui/screen.h"

class AppContext;
class Texture;

// What the main menu creates but does not define: the game and the dialogs. Each piece plugs
// in here; a missing one makes its button do nothing but say so in the log.
struct MenuPlugins {
    // Makes `level_set` (0 or 1) the current level set and creates a game at its level 1. A
    // negative level set leaves the current one (the custom game chooses its own).
    std::function<std::unique_ptr<GameScreen>(int level_set)> create_game;
    // "Start New Game?" over a game in progress: accepted starts the new game.
    std::function<std::unique_ptr<Dialog>()> new_game_dialog;
    // Choice of one level; accepted, it has stored the choice where the game's start_custom reads
    // it.
    std::function<std::unique_ptr<Dialog>()> custom_game_dialog;
    std::function<std::unique_ptr<Dialog>()> options_dialog;
    std::function<std::unique_ptr<Dialog>()> help_dialog;
    std::function<std::unique_ptr<Dialog>(int table)> top7_dialog;
    // The name entry after a finished game, for its score and level set.
    std::function<std::unique_ptr<Dialog>(int score, int level_set)> game_over_dialog;
    // Ends the program (posts the window's close message).
    std::function<void()> request_close;
    // The saved game, written scrambled at every level start and at exit.
    std::string save_path = user_file("save.sav");
};

// Fills the dialog slots left empty with the game's own dialogs (new game, custom game,
// options, help, Top 7 and game over), each built over `app`.
void add_game_dialogs(MenuPlugins& plugins, AppContext& app);

// The bottom screen for the whole run: the background, a column of buttons placed by the
// layout file, the version and the publisher banner. It owns the game in progress and every
// dialog it opens, and switches between full screen and window.
class MainMenu : public Screen {
  public:
    MainMenu(AppContext& app, MenuPlugins plugins);
    ~MainMenu() override;

    void activate() override;
    void on_hidden() override;
    void animate(int elapsed_ms) override;
    void draw() override;
    void key_down(int virtual_key) override;
    void mouse_move(int x, int y, int buttons) override;
    void left_button_up(int x, int y, int buttons) override;
    void left_button_down(int x, int y, int buttons) override;
    void on_control(Control* control) override;
    void on_dialog_closed(DialogResult result, Screen* dialog) override;
    void on_close_request() override;

    // Writes the saved game when a game exists and autosave is on.
    void save_game();
    // Reads the saved game, if there is one, into a game that waits to be continued.
    void restore_game();

    // Opening each dialog: construct, keep, size to the virtual screen, place, open.
    void open_new_game_dialog();
    void open_custom_game_dialog();
    void open_options_dialog();
    void open_help_dialog();
    void open_top7_dialog(int table);
    void open_game_over_dialog(int score);

    // Replaces any game by a new one in `level_set` and plays it.
    void start_new_game();
    // Adopts a game (a restored one) without playing it.
    void set_game(std::unique_ptr<GameScreen> game, int level_set);

    GameScreen* play_screen() const { return m_play_screen.get(); }
    int level_set() const { return m_level_set; }
    bool window_drag() const { return m_window_drag; }
    const PublisherBanner& banner() const { return m_banner; }
    // The dialog of a kind that is open or waiting to be reported, if any.
    Dialog* new_game_dialog() const { return m_new_game_dialog.get(); }
    Dialog* custom_game_dialog() const { return m_custom_game_dialog.get(); }
    Dialog* options_dialog() const { return m_options_dialog.get(); }
    Dialog* help_dialog() const { return m_help_dialog.get(); }
    Dialog* top7_dialog() const { return m_top7_dialog.get(); }
    Dialog* game_over_dialog() const { return m_game_over_dialog.get(); }

    Button& continue_button() { return *m_continue_single_game_btn; }
    // For tests: the last frame drew the copy of the still picture / remade it; off draws whole.
    bool drew_from_copy() const { return m_from_copy; }
    bool captured_copy() const { return m_captured_copy; }
    void set_copy_enabled(bool on) { m_copy_enabled = on; }
    // A button by its layout name ("m_quit_game_btn", "m_mm_top7_1_btn", "logo" ...).
    Button* button_for(const std::string& name);

  private:
    // Keeps the dialog, sets it up over the menu, places it by "<prefix>x" ... and opens it.
    void show_dialog(std::unique_ptr<Dialog>& slot, std::unique_ptr<Dialog> dialog,
                     const char* rect_prefix);
    std::array<std::unique_ptr<Dialog>*, 6> dialog_slots();
    // The slot's dialog is still held by the window: no other may take its place yet.
    bool slot_busy(const std::unique_ptr<Dialog>& slot) const;
    std::unique_ptr<Button> make_button(const Texture* image, const std::string& name);
    void toggle_fullscreen();
    // The continue button is there exactly while a game is.
    void game_changed();
    void setup_ortho() const;
    std::array<Button*, 12> buttons() const;
    // Everything but the banner, in the order it has always been drawn.
    void draw_still(bool with_banner);
    // Whether the banner, where it is now, stays clear of all that is drawn after it.
    bool banner_clear() const;
    // What the copy of the still picture shows; any change remakes it.
    std::vector<std::uintptr_t> still_key() const;
    // Window pixels to the virtual screen.
    void to_virtual(int x, int y, int& vx, int& vy) const;

    AppContext& m_app;
    MenuPlugins m_plugins;
    std::unique_ptr<GameScreen> m_play_screen;
    int m_screen_width = 800;
    int m_screen_height = 600;
    std::unique_ptr<Button> m_zelm1_game_btn;
    std::unique_ptr<Button> m_zelm2_game_btn;
    std::unique_ptr<Button> m_continue_single_game_btn;
    std::unique_ptr<Button> m_quit_game_btn;
    std::unique_ptr<Button> m_help_btn;
    std::unique_ptr<Button> m_mm_top7_1_btn;
    std::unique_ptr<Button> m_mm_top7_2_btn;
    std::unique_ptr<Button> m_mm_fullscreen_btn;
    std::unique_ptr<Button> m_options_btn;
    std::unique_ptr<Button> m_play_custom_btn;
    std::unique_ptr<Button> m_mini_btn;
    std::unique_ptr<Button> m_logo;
    std::unique_ptr<Dialog> m_game_over_dialog;
    std::unique_ptr<Dialog> m_help_dialog;
    std::unique_ptr<Dialog> m_top7_dialog;
    std::unique_ptr<Dialog> m_options_dialog;
    std::unique_ptr<Dialog> m_new_game_dialog;
    std::unique_ptr<Dialog> m_custom_game_dialog;
    int m_level_set = 0;
    PublisherBanner m_banner;
    ScreenCache m_copy;
    std::vector<std::uintptr_t> m_copy_key;
    bool m_copy_enabled = true;
    bool m_from_copy = false;
    bool m_captured_copy = false;
};
