#include "ui/main_menu.h"

#include "core/game_log.h"
#include "core/version.h"
#include "gfx/draw.h"
#include "gfx/gl.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "ui/app_context.h"
#include "ui/custom_game_dialog.h"
#include "ui/game_over_dialog.h"
#include "ui/help_dialog.h"
#include "ui/layout.h"
#include "ui/new_game_dialog.h"
#include "ui/options_dialog.h"
#include "ui/screen_host.h"
#include "ui/top7_dialog.h"

void add_game_dialogs(MenuPlugins& plugins, AppContext& app) {
    AppContext* a = &app;
    if (!plugins.new_game_dialog) {
        plugins.new_game_dialog = [a] { return std::make_unique<NewGameDialog>(*a); };
    }
    if (!plugins.custom_game_dialog) {
        plugins.custom_game_dialog = [a] { return std::make_unique<CustomGameDialog>(*a); };
    }
    if (!plugins.options_dialog) {
        plugins.options_dialog = [a] { return std::make_unique<OptionsDialog>(*a); };
    }
    if (!plugins.help_dialog) {
        plugins.help_dialog = [a] { return std::make_unique<HelpDialog>(*a); };
    }
    if (!plugins.top7_dialog) {
        plugins.top7_dialog = [a](int table) { return std::make_unique<Top7Dialog>(*a, table); };
    }
    if (!plugins.game_over_dialog) {
        plugins.game_over_dialog = [a](int score, int level_set) {
            return std::make_unique<GameOverDialog>(*a, score, level_set);
        };
    }
}

MainMenu::MainMenu(AppContext& app, MenuPlugins plugins)
    : m_app(app), m_plugins(std::move(plugins)) {
    const ResourceSet* r = app.resources.get();
    auto image = [r](const TgaTexture ResourceSet::*member) -> const Texture* {
        return r ? &(r->*member) : nullptr;
    };
    // Added in this order: events visit the buttons in it.
    m_zelm1_game_btn = make_button(image(&ResourceSet::m_zelm1_game_btn), "m_zelm1_game_btn");
    m_zelm2_game_btn = make_button(image(&ResourceSet::m_zelm2_game_btn), "m_zelm2_game_btn");
    m_continue_single_game_btn =
        make_button(image(&ResourceSet::m_continue_single_game_btn), "m_continue_single_game_btn");
    m_quit_game_btn = make_button(image(&ResourceSet::m_quit_game_btn), "m_quit_game_btn");
    m_help_btn = make_button(image(&ResourceSet::m_help_btn), "m_help_btn");
    m_mm_top7_1_btn = make_button(image(&ResourceSet::m_top7_btn), "m_mm_top7_1_btn");
    m_mm_top7_2_btn = make_button(image(&ResourceSet::m_top7_btn2), "m_mm_top7_2_btn");
    m_options_btn = make_button(image(&ResourceSet::m_options_btn), "m_options_btn");
    m_logo = std::make_unique<Button>(this, image(&ResourceSet::m_logo));
    m_logo->set_position(88.0f, 449.0f);
    // The logo looks like a button but does nothing: the focus passes it by.
    m_logo->set_focusable(false);
    add_control(m_logo.get());
    m_play_custom_btn = make_button(image(&ResourceSet::m_play_custom_btn), "m_play_custom_btn");
    m_mm_fullscreen_btn = make_button(image(&ResourceSet::m_fullscreen_btn), "m_mm_fullscreen_btn");
    m_mini_btn = make_button(image(&ResourceSet::m_mini_btn), "m_mini_btn");
    m_continue_single_game_btn->set_visible(false);
    m_window_drag = true;
    if (!m_plugins.request_close) {
        m_plugins.request_close = platform::post_close;
    }
}

MainMenu::~MainMenu() {
    // Dialogs still shown go with the menu that owns them: the window must not keep them.
    if (ScreenHost* window = m_host) {
        for (const std::unique_ptr<Dialog>* slot : dialog_slots()) {
            window->forget_dialog(slot->get());
        }
    }
}

std::unique_ptr<Button> MainMenu::make_button(const Texture* image, const std::string& name) {
    auto button = std::make_unique<Button>(this, image);
    const LayoutPoint at = layout_point_int(m_app.layout, name);
    button->set_position(at.x, at.y);
    add_control(button.get());
    return button;
}

Button* MainMenu::button_for(const std::string& name) {
    const std::pair<const char*, Button*> buttons[] = {
        {"m_zelm1_game_btn", m_zelm1_game_btn.get()},
        {"m_zelm2_game_btn", m_zelm2_game_btn.get()},
        {"m_continue_single_game_btn", m_continue_single_game_btn.get()},
        {"m_quit_game_btn", m_quit_game_btn.get()},
        {"m_help_btn", m_help_btn.get()},
        {"m_mm_top7_1_btn", m_mm_top7_1_btn.get()},
        {"m_mm_top7_2_btn", m_mm_top7_2_btn.get()},
        {"m_options_btn", m_options_btn.get()},
        {"logo", m_logo.get()},
        {"m_play_custom_btn", m_play_custom_btn.get()},
        {"m_mm_fullscreen_btn", m_mm_fullscreen_btn.get()},
        {"m_mini_btn", m_mini_btn.get()},
    };
    for (const auto& b : buttons) {
        if (name == b.first) {
            return b.second;
        }
    }
    return nullptr;
}

void MainMenu::setup_ortho() const {
    const ScreenHost* window = m_host;
    if (window) {
        int dw = 0, dh = 0;
        window->drawable_size(dw, dh);
        m_app.view.setup_ortho(dw, dh);
    }
}

void MainMenu::activate() {
    m_screen_width = m_app.view.m_screen_width;
    m_screen_height = m_app.view.m_screen_height;
    const ScreenHost* window = m_host;
    m_window_drag = !(window && window->is_fullscreen());
    Screen::activate();
    if (m_play_screen && m_play_screen->is_game_over()) {
        const int score = m_play_screen->current_score();
        // The score goes into the table of the set this game was played in: a set button
        // answered with Cancel since then has changed m_level_set but not the game.
        const int level_set = m_play_screen->level_set();
        // The game is gone before the dialog opens: opening it activates the menu again.
        m_play_screen.reset();
        game_changed();
        std::unique_ptr<Dialog> dialog;
        if (m_plugins.game_over_dialog) {
            dialog = m_plugins.game_over_dialog(score, level_set);
        }
        if (dialog && !slot_busy(m_game_over_dialog)) {
            m_game_over_dialog = std::move(dialog);
            m_game_over_dialog->set_screen_size(m_screen_width, m_screen_height);
            m_game_over_dialog->set_shade(true);
            m_game_over_dialog->set_background(false);
            if (ScreenHost* w = m_host) {
                w->open_dialog(m_game_over_dialog.get());
            }
        } else {
            game_log().write("Game over with %d points (no game over dialog yet)", score);
        }
        if (ScreenHost* w = m_host) {
            w->next_track();
        }
    }
}

void MainMenu::on_hidden() {
    // A game covers the menu: its copy of the window (1.9 MB at 800 x 600, 6.2 MB full screen)
    // is made again in its first frame back. The picture's own copy stays: making that again
    // costs 17 ms at 800 x 600 and 45 to 65 ms full screen.
    m_copy.release();
}

void MainMenu::animate(int elapsed_ms) {
    (void)elapsed_ms;
    m_banner.step();
}

void MainMenu::game_changed() {
    m_continue_single_game_btn->set_visible(m_play_screen != nullptr);
}

std::array<Button*, 12> MainMenu::buttons() const {
    return {m_zelm1_game_btn.get(),  m_zelm2_game_btn.get(),    m_continue_single_game_btn.get(),
            m_quit_game_btn.get(),   m_help_btn.get(),          m_mm_top7_1_btn.get(),
            m_mm_top7_2_btn.get(),   m_options_btn.get(),       m_logo.get(),
            m_play_custom_btn.get(), m_mm_fullscreen_btn.get(), m_mini_btn.get()};
}

std::vector<std::uintptr_t> MainMenu::still_key() const {
    std::vector<std::uintptr_t> key;
    const ResourceSet* r = m_app.resources.get();
    key.push_back(reinterpret_cast<std::uintptr_t>(r));
    key.push_back(static_cast<std::uintptr_t>(m_focus + 1));
    for (const Button* b : buttons()) {
        const ControlPosition& at = b->position();
        const float box[4] = {at.x, at.y, b->width(), b->height()};
        for (float f : box) {
            key.push_back(static_cast<std::uintptr_t>(static_cast<std::int64_t>(f * 64.0f)));
        }
        key.push_back(reinterpret_cast<std::uintptr_t>(b->image()));
        key.push_back(static_cast<std::uintptr_t>(b->state()) * 2u + (b->visible() ? 1u : 0u));
    }
    for (unsigned char c : m_app.save_notice()) {
        key.push_back(c);
    }
    return key;
}

bool MainMenu::banner_clear() const {
    const ResourceSet* r = m_app.resources.get();
    if (!r || !m_app.save_notice().empty()) {
        return false;  // a notice is rare: not worth measuring
    }
    const float frame = 3.0f;  // the focus frame's width, outside the control
    for (const Button* b : buttons()) {
        const ControlPosition& at = b->position();
        if (b->visible() && m_banner.touches(r->font(), at.x - frame, at.y - frame,
                                             b->width() + 2 * frame, b->height() + 2 * frame)) {
            return false;
        }
    }
    // Only buttons are drawn after the banner: anything else drawn by Screen::draw is unknown.
    return m_children.size() == buttons().size();
}

void MainMenu::draw_still(bool with_banner) {
    const ResourceSet* r = m_app.resources.get();
    if (r) {
        draw_fullscreen_image(r->m_main_wnd);
        const std::string version = std::string("version ") + game_version();
        r->font().draw_text(version.c_str(), 15.0f, 680.0f, 520.0f, 10.0f, 1.0f, 1.0f, 1.0f, 1.0f);
        if (with_banner) {
            m_banner.draw(r->font());
        }
        // A save that failed stays in sight until a later one of the same file succeeds.
        if (const std::string& notice = m_app.save_notice(); !notice.empty()) {
            r->font().draw_text(notice.c_str(), 18.0f, 15.0f, 588.0f, 10.0f, 1.0f, 0.35f, 0.25f,
                                1.0f);
        }
    }
    Screen::draw();
}

void MainMenu::draw() {
    // Every frame: the drawable changes size when full screen is switched by F11 too.
    setup_ortho();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    m_from_copy = false;
    m_captured_copy = false;
    // Only the banner moves by itself: the rest is drawn once into a copy of the window's
    // pixels, and the banner over it. That is the same picture only while nothing drawn after
    // the banner lies where it is.
    const ResourceSet* r = m_app.resources.get();
    std::vector<std::uintptr_t> key = still_key();
    if (key != m_copy_key) {
        m_copy.invalidate();
        m_copy_key = std::move(key);
    }
    if (!m_copy_enabled || !banner_clear() || !ScreenCache::supported()) {
        draw_still(true);
    } else {
        if (m_copy.valid()) {
            m_copy.draw();
            m_from_copy = true;
        } else {
            draw_still(false);
            m_captured_copy = m_copy.capture();
        }
        m_banner.draw(r->font());
    }
    glPopMatrix();
}

void MainMenu::key_down(int virtual_key) {
    if (virtual_key == m_app.back_key) {
        on_control(m_quit_game_btn.get());
    } else if (virtual_key == m_app.hide_key) {
        ScreenHost* window = m_host;
        if (window) {
            if (window->is_fullscreen()) {
                toggle_fullscreen();
            }
            window->minimize();
        }
    }
    Screen::key_down(virtual_key);
}

void MainMenu::to_virtual(int x, int y, int& vx, int& vy) const {
    window_to_virtual(m_host, x, y, m_screen_width, m_screen_height, vx, vy);
}

void MainMenu::mouse_move(int x, int y, int buttons) {
    int vx = 0, vy = 0;
    to_virtual(x, y, vx, vy);
    Screen::mouse_move(vx, vy, buttons);
}

void MainMenu::left_button_up(int x, int y, int buttons) {
    int vx = 0, vy = 0;
    to_virtual(x, y, vx, vy);
    Screen::left_button_up(vx, vy, buttons);
}

void MainMenu::left_button_down(int x, int y, int buttons) {
    int vx = 0, vy = 0;
    to_virtual(x, y, vx, vy);
    Screen::left_button_down(vx, vy, buttons);
}

void MainMenu::on_control(Control* control) {
    Screen::on_control(control);
    ScreenHost* window = m_host;
    if (control == m_zelm1_game_btn.get() || control == m_zelm2_game_btn.get()) {
        m_level_set = control == m_zelm1_game_btn.get() ? 0 : 1;
        if (m_play_screen) {
            open_new_game_dialog();
        } else {
            start_new_game();
        }
    } else if (control == m_continue_single_game_btn.get()) {
        if (m_play_screen && window) {
            window->push_screen(m_play_screen.get());
        }
    } else if (control == m_quit_game_btn.get()) {
        on_close_request();
    } else if (control == m_help_btn.get()) {
        open_help_dialog();
    } else if (control == m_mm_top7_1_btn.get()) {
        open_top7_dialog(0);
    } else if (control == m_mm_top7_2_btn.get()) {
        open_top7_dialog(1);
    } else if (control == m_options_btn.get()) {
        open_options_dialog();
    } else if (control == m_play_custom_btn.get()) {
        open_custom_game_dialog();
    } else if (control == m_mm_fullscreen_btn.get()) {
        toggle_fullscreen();
    } else if (control == m_mini_btn.get()) {
        if (window) {
            window->minimize();
        }
    }
}

void MainMenu::toggle_fullscreen() {
    ScreenHost* window = m_host;
    if (!window) {
        return;
    }
    // A refused switch leaves the window as it was, drag included.
    window->toggle_fullscreen();
    m_window_drag = !window->is_fullscreen();
}

void MainMenu::on_close_request() {
    if (m_plugins.request_close) {
        m_plugins.request_close();
    }
}

void MainMenu::show_dialog(std::unique_ptr<Dialog>& slot, std::unique_ptr<Dialog> dialog,
                           const char* rect_prefix) {
    if (!dialog) {
        return;
    }
    if (slot_busy(slot)) {
        game_log().write("A dialog of this kind is still open; the new one is not shown");
        return;
    }
    slot = std::move(dialog);
    slot->set_screen_size(m_screen_width, m_screen_height);
    slot->set_shade(false);
    slot->set_background(true);
    if (rect_prefix) {
        // Read at every opening, so the layout file alone places the dialog.
        const LayoutRect rect = layout_rect(m_app.layout, rect_prefix);
        slot->set_position(rect.x, rect.y);
        slot->set_size(rect.width, rect.height);
    }
    if (ScreenHost* window = m_host) {
        window->open_dialog(slot.get());
    }
}

namespace {

std::unique_ptr<Dialog> make_dialog(const std::function<std::unique_ptr<Dialog>()>& factory,
                                    const char* what) {
    if (!factory) {
        game_log().write("The %s dialog is not available", what);
        return nullptr;
    }
    return factory();
}

}  // namespace

void MainMenu::open_new_game_dialog() {
    show_dialog(m_new_game_dialog, make_dialog(m_plugins.new_game_dialog, "new game"), "m_nd_");
}

void MainMenu::open_custom_game_dialog() {
    show_dialog(m_custom_game_dialog, make_dialog(m_plugins.custom_game_dialog, "custom game"),
                "m_cgd_");
}

void MainMenu::open_options_dialog() {
    show_dialog(m_options_dialog, make_dialog(m_plugins.options_dialog, "options"), "m_od_");
}

void MainMenu::open_help_dialog() {
    show_dialog(m_help_dialog, make_dialog(m_plugins.help_dialog, "help"), "m_hd_");
}

void MainMenu::open_top7_dialog(int table) {
    if (!m_plugins.top7_dialog) {
        game_log().write("The Top 7 dialog is not available");
        return;
    }
    show_dialog(m_top7_dialog, m_plugins.top7_dialog(table), nullptr);
}

void MainMenu::open_game_over_dialog(int score) {
    if (!m_plugins.game_over_dialog) {
        game_log().write("The game over dialog is not available");
        return;
    }
    show_dialog(m_game_over_dialog, m_plugins.game_over_dialog(score, m_level_set), nullptr);
    if (m_game_over_dialog) {
        m_game_over_dialog->set_shade(true);
        m_game_over_dialog->set_background(false);
    }
}

void MainMenu::start_new_game() {
    // The old game goes first: a game saves itself as it starts levels, and must not find the
    // old one in its place.
    m_play_screen.reset();
    game_changed();
    if (!m_plugins.create_game) {
        game_log().write("No game can be started yet");
        return;
    }
    m_play_screen = m_plugins.create_game(m_level_set);
    game_changed();
    if (m_play_screen) {
        if (ScreenHost* window = m_host) {
            window->push_screen(m_play_screen.get());
        }
    }
}

void MainMenu::set_game(std::unique_ptr<GameScreen> game, int level_set) {
    m_play_screen = std::move(game);
    game_changed();
    m_level_set = level_set;
}

std::array<std::unique_ptr<Dialog>*, 6> MainMenu::dialog_slots() {
    return {&m_game_over_dialog, &m_help_dialog,     &m_top7_dialog,
            &m_options_dialog,   &m_new_game_dialog, &m_custom_game_dialog};
}

bool MainMenu::slot_busy(const std::unique_ptr<Dialog>& slot) const {
    // The window may still show the dialog, or have closed it without reporting it yet (a
    // click that reaches the menu twice in one tick, a close still to come): it is ours to
    // delete only once the window has let go of it. One the window dropped is replaced.
    const ScreenHost* window = m_host;
    return slot && window && window->holds_dialog(slot.get());
}

void MainMenu::on_dialog_closed(DialogResult result, Screen* dialog) {
    std::unique_ptr<Dialog>* slot = nullptr;
    for (std::unique_ptr<Dialog>* s : dialog_slots()) {
        if (s->get() == dialog && dialog) {
            slot = s;
        }
    }
    if (!slot) {
        return;  // not one of ours
    }
    slot->reset();
    ScreenHost* window = m_host;
    if (slot == &m_new_game_dialog) {
        if (result == DialogResult::accepted) {
            start_new_game();
        }
    } else if (slot == &m_custom_game_dialog) {
        if (result == DialogResult::accepted && m_plugins.create_game) {
            m_play_screen.reset();
            m_play_screen = m_plugins.create_game(-1);
            game_changed();
            if (m_play_screen) {
                m_play_screen->start_custom();
                m_level_set = m_play_screen->level_set();
                if (window) {
                    window->push_screen(m_play_screen.get());
                }
            }
        }
    } else if (slot == &m_options_dialog) {
        m_app.save_settings();
        if (m_play_screen) {
            m_play_screen->refresh_graphics();
        }
    }
}

void MainMenu::save_game() {
    if (!m_play_screen || !m_app.m_autosave) {
        return;
    }
    ParamFile file;
    file.set("m_game_kind", m_play_screen->level_set() == 0 ? "0" : "1");
    m_play_screen->save(file);
    m_app.report_save("the game", file.save(m_plugins.save_path, kSavedGameKey));
}

void MainMenu::restore_game() {
    ParamFile file;
    if (!file.load_file(m_plugins.save_path, true, kSavedGameKey)) {
        return;
    }
    if (!m_plugins.create_game) {
        game_log().write("A saved game was found but no game can be created yet");
        return;
    }
    const int level_set = ParamFile::to_int(file.get("m_game_kind", "0")) == 0 ? 0 : 1;
    m_level_set = level_set;
    m_play_screen = m_plugins.create_game(level_set);
    game_changed();
    if (m_play_screen) {
        m_play_screen->restore(file);
    }
}
