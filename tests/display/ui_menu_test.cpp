// The menus on a real window: the start-up order from the intro to the main menu, starting and
// continuing a game with the mouse and the keyboard, and switching to full screen and back.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/menu_startup.h"
#include "core/game_log.h"
#include "game/play_screen.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "support/game_dir.h"
#include "support/temp_dir.h"
#include "support/test_resources.h"
#include "ui/game_screen.h"
#include "ui/intro_screen.h"
#include "ui/layout.h"
#include "ui/main_menu.h"

namespace {

// Stands in for the play screen: Escape goes back to the menu, as in the game.
class StandInGame : public GameScreen {
  public:
    void key_down(int virtual_key) override {
        if (virtual_key == vk::escape) {
            host()->close_top(false);
        }
        Screen::key_down(virtual_key);
    }
    void tick(int elapsed_ms) override {
        ++ticks;
        Screen::tick(elapsed_ms);
    }
    bool is_game_over() const override { return false; }
    int current_score() const override { return 0; }
    void start_custom() override {}
    void refresh_graphics() override {}
    int level_set() const override { return 0; }
    void save(ParamFile&) const override {}
    void restore(const ParamFile&) override {}
    int ticks = 0;
};

class MenuOnDisplay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";
        ASSERT_TRUE(platform::init());
        game_log().open(dir.path() + "/game.log");
    }
    void TearDown() override {
        game_log().open("/dev/null");
        platform::shutdown();
    }
    TempDir dir;
};

TEST_F(MenuOnDisplay, StartsAtTheIntroThenPlaysAndContinuesFromTheMenu) {
    GameApp app;
    const std::uint8_t grey[3] = {90, 90, 90};
    add_resource_files(app.archive, 1, grey);
    AppWindow window("Quarrik", app);
    window.create_window("Quarrik", 0, 0, 800, 600);
    window.set_active(true);

    MenuPlugins plugins;
    int games = 0;
    StandInGame* game = nullptr;
    plugins.create_game = [&](int) {
        ++games;
        auto g = std::make_unique<StandInGame>();
        game = g.get();
        return g;
    };
    int closes = 0;
    plugins.request_close = [&] { ++closes; };
    plugins.save_path = dir.path() + "/save.sav";

    bool intro_shown = false;
    std::unique_ptr<MainMenu> menu = show_intro_then_menu(window, app, plugins, [&] {
        intro_shown = dynamic_cast<IntroScreen*>(window.top_screen()) != nullptr &&
                      window.screen_count() == 1;
        app.resources->load_all();
        // The layout has just been read again from the archive; place the buttons of the test.
        for (const auto& [key, value] :
             {std::pair<const char*, const char*>{"m_zelm1_game_btnx", "300"},
              {"m_zelm1_game_btny", "100"},
              {"m_continue_single_game_btnx", "300"},
              {"m_continue_single_game_btny", "250"},
              {"m_mm_fullscreen_btnx", "600"},
              {"m_mm_fullscreen_btny", "20"}})
            app.layout.set(key, value);
    });
    EXPECT_TRUE(intro_shown);
    ASSERT_EQ(window.top_screen(), menu.get());
    EXPECT_EQ(window.screen_count(), 1u);
    EXPECT_EQ(window.menu(), menu.get());

    for (int i = 0; i < 3; ++i)
        window.run_tick();
    EXPECT_FALSE(menu->continue_button().visible());
    // Drawing moves nothing: the banner goes on with the ticks only.
    const float banner_y = menu->banner().line_a_y();
    window.draw();
    EXPECT_FLOAT_EQ(menu->banner().line_a_y(), banner_y);

    // New game in set 1: the game becomes the top screen and ticks.
    window.mouse_move(310, 110, 0);
    window.left_button_down(310, 110, mouse_flags::left);
    window.left_button_up(310, 110, 0);
    ASSERT_EQ(games, 1);
    EXPECT_EQ(window.top_screen(), game);
    window.run_tick();
    window.run_tick();
    EXPECT_EQ(game->ticks, 2);

    // Escape leaves it waiting in the menu; continue resumes the same game.
    window.key_down(vk::escape);
    window.run_tick();
    EXPECT_EQ(window.top_screen(), menu.get());
    window.run_tick();
    EXPECT_TRUE(menu->continue_button().visible());
    window.left_button_down(310, 260, mouse_flags::left);
    window.left_button_up(310, 260, 0);
    EXPECT_EQ(window.top_screen(), game);
    EXPECT_EQ(games, 1);
    window.run_tick();
    EXPECT_EQ(game->ticks, 3);
    window.key_down(vk::escape);
    window.run_tick();

    // Escape on the menu asks to end the program.
    window.key_down(vk::escape);
    EXPECT_EQ(closes, 1);

    // Full screen and back with the button; no dragging in full screen.
    EXPECT_TRUE(menu->window_drag());
    window.left_button_down(610, 30, mouse_flags::left);
    window.left_button_up(610, 30, 0);
    if (window.is_fullscreen()) {
        EXPECT_FALSE(menu->window_drag());
        window.run_tick();
        // Enter leaves full screen first, then minimises.
        window.key_down(vk::enter);
        EXPECT_FALSE(window.is_fullscreen());
        EXPECT_TRUE(window.is_minimized());
        EXPECT_TRUE(menu->window_drag());
    } else {
        // The virtual display may refuse the mode: the menu stays a draggable window.
        EXPECT_TRUE(menu->window_drag());
    }

    close_menu(window, menu);
    EXPECT_EQ(menu, nullptr);
    EXPECT_EQ(window.menu(), nullptr);
    EXPECT_EQ(window.screen_count(), 0u);
    window.destroy_window();
}

// The shipped game directory: its archive, layout, pictures and levels, and the real play
// screen.
TEST_F(MenuOnDisplay, SetOneStartsTheRealGameAndContinueResumesIt) {
    InGameDir in_game;
    ASSERT_TRUE(in_game.entered());
    {
        GameApp app;
        AppWindow window("Quarrik", app);
        window.create_window("Quarrik", 0, 0, 800, 600);
        window.set_active(true);

        MenuPlugins plugins;
        plugins.create_game = [&app](int level_set) -> std::unique_ptr<GameScreen> {
            if (level_set >= 0) {
                app.config.m_game_kind = level_set;
            }
            return std::make_unique<PlayScreen>(app);
        };
        plugins.request_close = [] {};
        plugins.save_path = dir.path() + "/save.sav";
        std::unique_ptr<MainMenu> menu =
            show_intro_then_menu(window, app, plugins, [&app] { app.load_resources(); });
        ASSERT_EQ(window.top_screen(), menu.get());
        window.run_tick();

        // The middle of the set 1 button, wherever the layout puts it.
        const LayoutPoint at = layout_point_int(app.layout, "m_zelm1_game_btn");
        const Button* set1 = menu->button_for("m_zelm1_game_btn");
        ASSERT_NE(set1, nullptr);
        const int x = static_cast<int>(at.x + set1->width() / 2);
        const int y = static_cast<int>(at.y + set1->height() / 2);
        window.mouse_move(x, y, 0);
        window.left_button_down(x, y, mouse_flags::left);
        window.left_button_up(x, y, 0);
        GameScreen* game = menu->play_screen();
        ASSERT_NE(game, nullptr);
        EXPECT_EQ(window.top_screen(), game);
        EXPECT_EQ(app.config.m_game_kind, 0);
        for (int i = 0; i < 20; ++i)
            window.run_tick();

        window.key_down(vk::escape);
        window.run_tick();
        EXPECT_EQ(window.top_screen(), menu.get());
        EXPECT_EQ(menu->play_screen(), game);
        window.run_tick();
        EXPECT_TRUE(menu->continue_button().visible());

        const LayoutPoint cont = layout_point_int(app.layout, "m_continue_single_game_btn");
        const int cx = static_cast<int>(cont.x + menu->continue_button().width() / 2);
        const int cy = static_cast<int>(cont.y + menu->continue_button().height() / 2);
        window.left_button_down(cx, cy, mouse_flags::left);
        window.left_button_up(cx, cy, 0);
        EXPECT_EQ(window.top_screen(), game);
        window.run_tick();

        window.key_down(vk::escape);
        window.run_tick();
        close_menu(window, menu);
        window.destroy_window();
    }
}

}  // namespace
