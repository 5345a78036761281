#include "targets.h"

#include "app/app_window.h"
#include "ui/custom_game_dialog.h"
#include "ui/game_over_dialog.h"
#include "ui/help_dialog.h"
#include "ui/main_menu.h"
#include "ui/new_game_dialog.h"
#include "ui/options_dialog.h"
#include "ui/top7_dialog.h"

namespace {

struct Named {
    const char* name;
    ImageControl* control;
};

template <size_t N>
ImageControl* pick(const Named (&controls)[N], const std::string& name) {
    for (const Named& n : controls) {
        if (name == n.name) {
            return n.control;
        }
    }
    return nullptr;
}

ImageControl* options_control(OptionsDialog& d, const std::string& name) {
    const std::string volume = "m_od_volume";
    if (name.size() == volume.size() + 1 && name.compare(0, volume.size(), volume) == 0) {
        const int i = name.back() - '0';
        return i >= 0 && i < OptionsDialog::kVolumeSteps ? &d.volume_box(i) : nullptr;
    }
    const Named controls[] = {
        {"m_od_close_btn", &d.close_button()},
        {"m_od_skin_up_btn", &d.skin_up_button()},
        {"m_od_skin_down_btn", &d.skin_down_button()},
        {"m_od_autosave_chb", &d.autosave_box()},
        {"m_od_sound_chb", &d.sound_box()},
        {"m_od_sound_classik_chb", &d.classic_sound_box()},
        {"m_od_left_key", &d.left_key()},
        {"m_od_right_key", &d.right_key()},
        {"m_od_down_key", &d.down_key()},
        {"m_od_up_key", &d.up_key()},
        {"m_od_fire_key", &d.fire_key()},
        {"m_od_die_key", &d.die_key()},
    };
    return pick(controls, name);
}

ImageControl* dialog_control(Dialog* dialog, const std::string& name) {
    if (auto* d = dynamic_cast<OptionsDialog*>(dialog)) {
        return options_control(*d, name);
    }
    if (auto* d = dynamic_cast<GameOverDialog*>(dialog)) {
        const Named controls[] = {{"m_end_close_btn", &d->close_button()},
                                  {"m_end_edit", &d->name_box()}};
        return pick(controls, name);
    }
    if (auto* d = dynamic_cast<Top7Dialog*>(dialog)) {
        const Named controls[] = {{"m_t7d_close_btn", &d->close_button()}};
        return pick(controls, name);
    }
    if (auto* d = dynamic_cast<HelpDialog*>(dialog)) {
        const Named controls[] = {{"m_hd_close_btn", &d->close_button()},
                                  {"m_hd_up_btn", &d->up_button()},
                                  {"m_hd_down_btn", &d->down_button()}};
        return pick(controls, name);
    }
    if (auto* d = dynamic_cast<CustomGameDialog*>(dialog)) {
        const Named controls[] = {
            {"m_cgd_ok_btn", &d->ok_button()},
            {"m_cgd_cancel_btn", &d->cancel_button()},
            {"m_cgd_game_type1_radio", &d->custom_radio()},
            {"m_cgd_game_type2_radio", &d->random_radio()},
            {"m_cgd_game_kind1_radio", &d->set1_radio()},
            {"m_cgd_game_kind2_radio", &d->set2_radio()},
            {"m_cgd_level_num", &d->level_box()},
        };
        return pick(controls, name);
    }
    if (auto* d = dynamic_cast<NewGameDialog*>(dialog)) {
        const Named controls[] = {{"m_ngd_ok_btn", &d->ok_button()},
                                  {"m_ngd_cancel_btn", &d->cancel_button()}};
        return pick(controls, name);
    }
    return nullptr;
}

}  // namespace

bool find_target(const AppWindow& window, MainMenu& menu, const std::string& name, long& x,
                 long& y) {
    float left = 0.0f, top = 0.0f;
    const ImageControl* control = nullptr;
    if (auto* dialog = dynamic_cast<Dialog*>(window.top_dialog())) {
        control = dialog_control(dialog, name);
        left = dialog->x();
        top = dialog->y();
    }
    if (!control) {
        // The menu's buttons keep their places under anything drawn over them.
        control = menu.button_for(name);
        left = top = 0.0f;
    }
    if (!control) {
        return false;
    }
    x = static_cast<long>(left + control->position().x + control->width() / 2);
    y = static_cast<long>(top + control->position().y + control->height() / 2);
    return true;
}

std::string top_dialog_name(const AppWindow& window, const MainMenu& menu) {
    const Screen* top = window.top_dialog();
    if (!top) {
        return "none";
    }
    const struct {
        const Dialog* dialog;
        const char* name;
    } kinds[] = {
        {menu.options_dialog(), "options"},   {menu.game_over_dialog(), "game_over"},
        {menu.top7_dialog(), "top7"},         {menu.help_dialog(), "help"},
        {menu.new_game_dialog(), "new_game"}, {menu.custom_game_dialog(), "custom_game"},
    };
    for (const auto& k : kinds) {
        if (k.dialog == top) {
            return k.name;
        }
    }
    return "other";
}
