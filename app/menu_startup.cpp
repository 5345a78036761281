#include "app/menu_startup.h"

#include "app/app_window.h"
#include "app/game_app.h"
#include "ui/intro_screen.h"

std::unique_ptr<MainMenu> show_intro_then_menu(AppWindow& window, GameApp& app, MenuPlugins plugins,
                                               const std::function<void()>& load) {
    auto intro = std::make_unique<IntroScreen>(app.archive, app.view);
    window.push_screen(intro.get());
    window.draw();
    window.swap_buffers();

    if (load) {
        load();
    }

    // Built after the load: the buttons take their images from the loaded resources.
    add_game_dialogs(plugins, app);
    auto menu = std::make_unique<MainMenu>(app, std::move(plugins));
    window.remove_screen(intro.get());
    window.push_screen(menu.get());
    window.set_menu(menu.get());
    intro.reset();
    menu->restore_game();
    return menu;
}

void close_menu(AppWindow& window, std::unique_ptr<MainMenu>& menu) {
    if (!menu) {
        return;
    }
    menu->save_game();
    window.set_menu(nullptr);
    window.remove_screen(menu.get());
    menu.reset();
}
