// The main menu's buttons, the game it keeps, the dialogs it opens and what it does with their
// results; and the publisher banner's movement.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "platform/key_codes.h"
#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "support/temp_dir.h"
#include "ui/main_menu.h"
#include "ui/publisher_banner.h"

namespace {

struct GameJournal {
    int created = 0;
    std::vector<int> created_sets;
    int custom_starts = 0;
    int refreshes = 0;
    int activations = 0;
    std::string restored_level;
};

class FakeGame : public GameScreen {
  public:
    FakeGame(GameJournal& journal, int level_set) : m_journal(journal), m_level_set(level_set) {}
    bool is_game_over() const override { return over; }
    int current_score() const override { return score; }
    void start_custom() override {
        ++m_journal.custom_starts;
        m_level_set = 1;  // the custom choice picked set 2
    }
    void refresh_graphics() override { ++m_journal.refreshes; }
    int level_set() const override { return m_level_set; }
    void save(ParamFile& file) const override { file.set("gf_m_level_current", "7"); }
    void restore(const ParamFile& file) override {
        m_journal.restored_level = file.get("gf_m_level_current", "none");
    }
    void activate() override {
        Screen::activate();
        ++m_journal.activations;
    }
    bool over = false;
    int score = 0;

  private:
    GameJournal& m_journal;
    int m_level_set;
};

// Dialogs deleted while the window still held them (it would draw them next).
int g_freed_while_held = 0;

class FakeDialog : public Dialog {
  public:
    explicit FakeDialog(std::string kind) : kind(std::move(kind)) {}
    ~FakeDialog() override {
        const ScreenHost* window = host();
        if (window && window->holds_dialog(this)) {
            ++g_freed_while_held;
        }
    }
    void on_control(Control*) override {}
    std::string kind;
    int score = -1;
    int level_set = -1;
};

class MainMenuTest : public ::testing::Test {
  protected:
    MainMenuTest() : window("Quarrik", app) {
        window.set_active(true);
        const std::string layout =
            "m_zelm1_game_btnx 300 m_zelm1_game_btny 100 m_zelm2_game_btnx 300 "
            "m_zelm2_game_btny 170 m_continue_single_game_btnx 300 "
            "m_continue_single_game_btny 240 m_quit_game_btnx 300 m_quit_game_btny 520 "
            "m_help_btnx 450 m_help_btny 100 m_nd_x 250 m_nd_y 200 m_nd_width 300 "
            "m_nd_height 150 m_cgd_x 11 m_cgd_y 12 m_cgd_width 13 m_cgd_height 14";
        app.layout.load_memory(layout.data(), layout.size(), true);

        plugins.create_game = [this](int level_set) {
            ++games.created;
            games.created_sets.push_back(level_set);
            auto game = std::make_unique<FakeGame>(games, level_set < 0 ? 0 : level_set);
            last_game = game.get();
            return game;
        };
        plugins.new_game_dialog = [this] { return make("new game"); };
        plugins.custom_game_dialog = [this] { return make("custom game"); };
        plugins.options_dialog = [this] { return make("options"); };
        plugins.top7_dialog = [this](int table) { return make("top7 " + std::to_string(table)); };
        plugins.game_over_dialog = [this](int score, int level_set) {
            auto d = make("game over");
            static_cast<FakeDialog*>(d.get())->score = score;
            static_cast<FakeDialog*>(d.get())->level_set = level_set;
            return d;
        };
        plugins.request_close = [this] { ++close_requests; };
        plugins.save_path = dir.path() + "/save.sav";
        g_freed_while_held = 0;
    }
    void TearDown() override { EXPECT_EQ(g_freed_while_held, 0); }

    std::unique_ptr<Dialog> make(const std::string& kind) {
        auto d = std::make_unique<FakeDialog>(kind);
        opened.push_back(d.get());
        return d;
    }
    // Shows the menu as the bottom screen.
    std::unique_ptr<MainMenu> show_menu() {
        auto menu = std::make_unique<MainMenu>(app, plugins);
        window.push_screen(menu.get());
        return menu;
    }
    void click(MainMenu& menu, int x, int y) {
        menu.left_button_down(x, y, mouse_flags::left);
        menu.left_button_up(x, y, 0);
    }
    // The top dialog ends with `result`; the menu hears of it at the next tick.
    void close_dialog(DialogResult result) {
        ASSERT_NE(window.top_dialog(), nullptr);
        window.top_dialog()->set_result(result);
        window.close_top(false);
        window.tick(30);
    }

    TempDir dir;
    GameApp app;
    AppWindow window;
    MenuPlugins plugins;
    GameJournal games;
    FakeGame* last_game = nullptr;
    std::vector<FakeDialog*> opened;
    int close_requests = 0;
};

TEST_F(MainMenuTest, ASetButtonStartsAGameAtOnceWhenThereIsNone) {
    auto menu = show_menu();
    EXPECT_FALSE(menu->continue_button().visible());
    // No game yet: the continue button is hidden and takes no click.
    click(*menu, 310, 250);
    EXPECT_EQ(window.top_screen(), menu.get());

    click(*menu, 310, 180);
    EXPECT_EQ(games.created, 1);
    EXPECT_EQ(games.created_sets, std::vector<int>{1});
    EXPECT_EQ(menu->level_set(), 1);
    ASSERT_NE(menu->play_screen(), nullptr);
    EXPECT_EQ(window.top_screen(), menu->play_screen());
    EXPECT_TRUE(opened.empty());

    // Escape in the game brings the menu back; continue resumes the same game.
    window.close_top(false);
    window.tick(30);
    EXPECT_EQ(window.top_screen(), menu.get());
    EXPECT_TRUE(menu->continue_button().visible());
    click(*menu, 310, 250);
    EXPECT_EQ(window.top_screen(), last_game);
    EXPECT_EQ(games.created, 1);
    EXPECT_EQ(games.activations, 2);
}

TEST_F(MainMenuTest, WithAGameTheSetButtonAsksFirstAndCancelKeepsTheGame) {
    auto menu = show_menu();
    click(*menu, 310, 110);
    FakeGame* first = last_game;
    window.close_top(false);
    window.tick(30);

    click(*menu, 310, 180);
    ASSERT_EQ(opened.size(), 1u);
    FakeDialog* ask = opened[0];
    EXPECT_EQ(ask->kind, "new game");
    EXPECT_EQ(window.top_dialog(), ask);
    EXPECT_EQ(menu->new_game_dialog(), ask);
    EXPECT_FLOAT_EQ(ask->x(), 250.0f);
    EXPECT_FLOAT_EQ(ask->y(), 200.0f);
    EXPECT_EQ(ask->width(), 300);
    EXPECT_EQ(ask->height(), 150);

    close_dialog(DialogResult::cancelled);
    EXPECT_EQ(menu->new_game_dialog(), nullptr);
    EXPECT_EQ(menu->play_screen(), first);
    EXPECT_EQ(window.top_screen(), menu.get());
    EXPECT_EQ(games.created, 1);

    // Accepted: the new game replaces the old one, in the set the button asked for.
    click(*menu, 310, 180);
    close_dialog(DialogResult::accepted);
    EXPECT_EQ(games.created, 2);
    EXPECT_EQ(games.created_sets, (std::vector<int>{0, 1}));
    EXPECT_NE(menu->play_screen(), nullptr);
    EXPECT_EQ(window.top_screen(), menu->play_screen());
}

TEST_F(MainMenuTest, AFinishedGameOpensTheGameOverDialogShadedOverTheMenu) {
    auto menu = show_menu();
    click(*menu, 310, 180);
    last_game->over = true;
    last_game->score = 4321;
    window.close_top(false);  // the play screen closes itself at game over
    window.tick(30);

    EXPECT_EQ(menu->play_screen(), nullptr);
    ASSERT_EQ(opened.size(), 1u);
    FakeDialog* over = opened[0];
    EXPECT_EQ(over->kind, "game over");
    EXPECT_EQ(over->score, 4321);
    EXPECT_EQ(over->level_set, 1);
    EXPECT_EQ(window.top_dialog(), over);
    EXPECT_EQ(menu->game_over_dialog(), over);
    EXPECT_FALSE(menu->continue_button().visible());

    close_dialog(DialogResult::accepted);
    EXPECT_EQ(menu->game_over_dialog(), nullptr);
    EXPECT_EQ(window.dialog_count(), 0u);
}

// A set button answered with Cancel does not move the finished game's score to that set.
TEST_F(MainMenuTest, TheGameOverDialogTakesTheSetTheGameWasPlayedIn) {
    auto menu = show_menu();
    click(*menu, 310, 110);  // set 1
    window.close_top(false);
    window.tick(30);
    click(*menu, 310, 180);                 // set 2 ...
    close_dialog(DialogResult::cancelled);  // ... cancelled
    click(*menu, 310, 250);                 // continue
    ASSERT_EQ(window.top_screen(), last_game);
    last_game->over = true;
    window.close_top(false);
    window.tick(30);
    ASSERT_NE(menu->game_over_dialog(), nullptr);
    EXPECT_EQ(static_cast<FakeDialog*>(menu->game_over_dialog())->level_set, 0);
}

// Every way the menu can be asked for a dialog while the window still holds the one of that
// kind: it keeps the one it has until the window lets go of it (TearDown checks that no dialog
// was deleted while held; the sanitized build also catches the window touching it).
TEST_F(MainMenuTest, ADialogTheWindowStillHoldsIsNeverReplaced) {
    auto menu = show_menu();
    Button* top7 = menu->button_for("m_mm_top7_1_btn");

    // Two buttons of one kind firing in one click (buttons a damaged layout put on top of
    // each other).
    menu->on_control(top7);
    menu->on_control(top7);
    EXPECT_EQ(window.dialog_count(), 1u);
    EXPECT_EQ(window.top_dialog(), menu->top7_dialog());
    close_dialog(DialogResult::accepted);
    EXPECT_EQ(menu->top7_dialog(), nullptr);

    // The dialog asked to close, and a click comes before the next tick.
    menu->on_control(top7);
    Dialog* first = menu->top7_dialog();
    window.close_top(false);
    menu->on_control(top7);
    EXPECT_EQ(menu->top7_dialog(), first);
    window.tick(30);
    EXPECT_EQ(menu->top7_dialog(), nullptr);
    EXPECT_EQ(window.dialog_count(), 0u);

    // Closed at once and not yet reported to the menu.
    menu->on_control(top7);
    first = menu->top7_dialog();
    window.close_top(true);
    menu->on_control(top7);
    EXPECT_EQ(menu->top7_dialog(), first);
    window.tick(30);
    EXPECT_EQ(menu->top7_dialog(), nullptr);

    // A close request drops every shown dialog: the next click opens a new one, and the
    // close the dropped one asked for does not take the new one.
    menu->on_control(top7);
    window.close_top(false);
    window.close_request();
    EXPECT_EQ(window.dialog_count(), 0u);
    menu->on_control(top7);
    Dialog* second = menu->top7_dialog();
    window.tick(30);
    EXPECT_EQ(window.top_dialog(), second);
    close_dialog(DialogResult::accepted);

    // The menu goes (the program ends) with a dialog open.
    menu->on_control(top7);
    window.remove_screen(menu.get());
    menu.reset();
    EXPECT_EQ(window.dialog_count(), 0u);
}

TEST_F(MainMenuTest, CustomGameAndOptionsResults) {
    auto menu = show_menu();
    menu->on_control(menu->button_for("m_play_custom_btn"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_FLOAT_EQ(opened[0]->x(), 11.0f);
    EXPECT_EQ(opened[0]->height(), 14);
    close_dialog(DialogResult::cancelled);
    EXPECT_EQ(games.created, 0);

    menu->on_control(menu->button_for("m_play_custom_btn"));
    close_dialog(DialogResult::accepted);
    EXPECT_EQ(games.created_sets, std::vector<int>{-1});
    EXPECT_EQ(games.custom_starts, 1);
    EXPECT_EQ(menu->level_set(), 1);  // what the custom start chose
    EXPECT_EQ(window.top_screen(), menu->play_screen());
    window.close_top(false);
    window.tick(30);

    // Options closing tells the waiting game to take over the changes.
    menu->on_control(menu->button_for("m_options_btn"));
    EXPECT_EQ(opened.back()->kind, "options");
    close_dialog(DialogResult::accepted);
    EXPECT_EQ(games.refreshes, 1);

    menu->on_control(menu->button_for("m_mm_top7_2_btn"));
    EXPECT_EQ(opened.back()->kind, "top7 1");
    close_dialog(DialogResult::accepted);
    EXPECT_EQ(menu->top7_dialog(), nullptr);

    // A dialog that is not available yet opens nothing.
    const size_t count = opened.size();
    menu->on_control(menu->button_for("m_help_btn"));
    EXPECT_EQ(opened.size(), count);
    EXPECT_EQ(window.dialog_count(), 0u);
}

TEST_F(MainMenuTest, EscapeAndTheQuitButtonEndTheProgram) {
    auto menu = show_menu();
    menu->key_down(vk::escape);
    EXPECT_EQ(close_requests, 1);
    click(*menu, 305, 530);
    EXPECT_EQ(close_requests, 2);
    EXPECT_TRUE(menu->window_drag());
}

TEST_F(MainMenuTest, SavedGameIsWrittenOnlyWithAGameAndAutosave) {
    const std::string path = plugins.save_path;
    {
        auto menu = show_menu();
        menu->save_game();
        EXPECT_FALSE(ParamFile().load_file(path, true, kSavedGameKey));
        click(*menu, 310, 180);
        app.m_autosave = false;
        menu->save_game();
        EXPECT_FALSE(ParamFile().load_file(path, true, kSavedGameKey));
        app.m_autosave = true;
        menu->save_game();
        ParamFile saved;
        ASSERT_TRUE(saved.load_file(path, true, kSavedGameKey));
        EXPECT_EQ(saved.get("m_game_kind", ""), "1");
        EXPECT_EQ(saved.get("gf_m_level_current", ""), "7");
        window.close_top(false);
        window.tick(30);
        window.remove_screen(menu.get());
    }
    // A later run finds it, in the set it was played in, waiting to be continued.
    ParamFile odd;
    odd.set("m_game_kind", "5");
    odd.set("gf_m_level_current", "12");
    ASSERT_TRUE(odd.save(path, kSavedGameKey));
    auto menu = show_menu();
    menu->restore_game();
    ASSERT_NE(menu->play_screen(), nullptr);
    EXPECT_EQ(menu->level_set(), 1);
    EXPECT_EQ(games.created_sets.back(), 1);
    EXPECT_EQ(games.restored_level, "12");
    EXPECT_EQ(window.top_screen(), menu.get());
}

TEST_F(MainMenuTest, NoSavedGameMeansNothingToContinue) {
    auto menu = show_menu();
    menu->restore_game();
    EXPECT_EQ(menu->play_screen(), nullptr);
    EXPECT_EQ(games.created, 0);
}

// The banner moves once per tick, under a dialog too (that drawing moves nothing is checked
// on a real window).
TEST_F(MainMenuTest, TheBannerMovesWithTheTicksUnderADialogToo) {
    auto menu = show_menu();
    window.tick(30);
    const float y = menu->banner().line_a_y();
    menu->open_top7_dialog(0);
    window.tick(30);
    EXPECT_FLOAT_EQ(menu->banner().line_a_y(), y + menu->banner().speed_a());
}

TEST(PublisherBannerTest, FirstFrameDrawsBothSpeedsFromRand) {
    std::srand(77);
    const int r1 = std::rand(), r2 = std::rand();
    std::srand(77);
    PublisherBanner banner;
    banner.step();
    EXPECT_FLOAT_EQ(banner.speed_a(), (r1 % 100) / 50.0f + 0.5f);
    EXPECT_FLOAT_EQ(banner.speed_b(), -(r2 % 100) / 50.0f + 0.5f);
    EXPECT_FLOAT_EQ(banner.line_a_y(), 100.0f + banner.speed_a());
    EXPECT_FALSE(banner.flashing());
}

TEST(PublisherBannerTest, LinesMeetFlashAndPartWithoutCrossing) {
    std::srand(5);
    PublisherBanner banner;
    int flashes = 0;
    bool was_flashing = false;
    for (int frame = 0; frame < 20000; ++frame) {
        banner.step();
        ASSERT_LT(banner.line_a_y(), banner.line_b_y()) << frame;
        ASSERT_GT(banner.line_a_y(), 95.0f) << frame;
        ASSERT_LT(banner.line_b_y(), 485.0f) << frame;
        if (banner.flashing() && !was_flashing) {
            ++flashes;
            // The meeting frame already fades one step, and the lines head apart.
            EXPECT_FLOAT_EQ(banner.flash_alpha(), 0.98f);
            EXPECT_FLOAT_EQ(banner.flash_size(), 40.2f);
            EXPECT_LE(banner.speed_a(), 0.0f);
            EXPECT_GE(banner.speed_b(), 0.0f);
        }
        if (!banner.flashing()) {
            EXPECT_FLOAT_EQ(banner.flash_size(), 40.0f);
        }
        was_flashing = banner.flashing();
    }
    EXPECT_GT(flashes, 10);
}

}  // namespace
