#include "ui/options_dialog.h"

#include "gfx/draw.h"
#include "platform/key_codes.h"
#include "ui/app_context.h"
#include "ui/layout.h"
#include "ui/text_panel.h"

OptionsDialog::OptionsDialog(AppContext& app)
    : m_app(app),
      m_close_btn(this, &app.resources->m_close_btn),
      m_skin_up_btn(this, &app.resources->m_skin_up_btn),
      m_skin_down_btn(this, &app.resources->m_skin_down_btn),
      m_autosave_box(this, &app.resources->m_checkbox),
      m_sound_box(this, &app.resources->m_checkbox),
      m_classic_sound_box(this, &app.resources->m_checkbox),
      m_left_key(this, app.font(), 25.0f, &app.resources->m_key_reader, &app.keyboard),
      m_right_key(this, app.font(), 25.0f, &app.resources->m_key_reader, &app.keyboard),
      m_down_key(this, app.font(), 25.0f, &app.resources->m_key_reader, &app.keyboard),
      m_up_key(this, app.font(), 25.0f, &app.resources->m_key_reader, &app.keyboard),
      m_fire_key(this, app.font(), 25.0f, &app.resources->m_key_reader, &app.keyboard),
      m_die_key(this, app.font(), 25.0f, &app.resources->m_key_reader, &app.keyboard) {
    const ParamFile& layout = app.layout;
    const auto place_int = [&](ImageControl& control, const char* name) {
        const LayoutPoint p = layout_point_int(layout, name);
        control.set_position(p.x, p.y);
    };
    place_int(m_close_btn, "m_od_close_btn");
    place_int(m_autosave_box, "m_od_autosave_chb");
    place_int(m_skin_up_btn, "m_od_skin_up_btn");
    place_int(m_skin_down_btn, "m_od_skin_down_btn");
    place_int(m_sound_box, "m_od_sound_chb");
    place_int(m_classic_sound_box, "m_od_sound_classik_chb");
    const LayoutPoint preview = layout_point_float(layout, "m_od_skin_");
    m_preview_x = preview.x;
    m_preview_y = preview.y;

    add_control(&m_close_btn);
    add_control(&m_autosave_box);
    add_control(&m_skin_up_btn);
    add_control(&m_skin_down_btn);
    for (int i = 0; i < kVolumeSteps; ++i) {
        auto box = std::make_unique<CheckBox>(this, &app.resources->m_radio_btn);
        box->set_position(150.0f + 35.0f * static_cast<float>(i), 495.0f);
        add_control(box.get());
        m_volume_boxes[static_cast<std::size_t>(i)] = std::move(box);
    }
    add_control(&m_sound_box);
    add_control(&m_classic_sound_box);

    const GameParams& config = app.config;
    struct {
        KeyReader& reader;
        const char* name;
        int32_t key;
    } const readers[] = {{m_left_key, "m_od_left_key_", config.m_left_key},
                         {m_right_key, "m_od_right_key_", config.m_right_key},
                         {m_up_key, "m_od_up_key_", config.m_up_key},
                         {m_down_key, "m_od_down_key_", config.m_down_key},
                         {m_fire_key, "m_od_fire_key_", config.m_fire_key},
                         {m_die_key, "m_od_die_key_", config.m_die_key}};
    for (const auto& r : readers) {
        const LayoutPoint p = layout_point_float(layout, r.name);
        r.reader.set_position(p.x, p.y);
        r.reader.set_key(r.key);
        add_control(&r.reader);
    }

    m_autosave_box.set_checked(app.m_autosave);
    m_sound_box.set_checked(app.m_sound);
    m_classic_sound_box.set_checked(app.m_sound_classik);
    rebuild_preview();
    show_volume(app.m_music_volume);
}

OptionsDialog::~OptionsDialog() {
    // 2 MB in the renderer, made again when the dialog next shows.
    if (m_app.resources) {
        m_app.resources->release_options_picture();
    }
}

void OptionsDialog::rebuild_preview() {
    const SkinSprites& skin = m_app.resources->current_skin_sprites();
    const Sprite* sources[kPreviewCount] = {&skin.m_brick, &skin.m_solid, &skin.m_ladder,
                                            &skin.m_rope, &skin.m_gold};
    for (int i = 0; i < kPreviewCount; ++i) {
        Sprite& s = m_preview[static_cast<std::size_t>(i)];
        s = *sources[i];
        s.set_size(25.0f, 25.0f);
        s.set_visible(true);
        s.m_pos = {m_preview_x + 30.0f * static_cast<float>(i), m_preview_y, 10.0f};
        // Ladder, rope and gold blend as the playfield draws them; rope and gold are also
        // flipped there, so they stand the same way up here.
        s.m_blend = i >= 2;
        s.m_flip = i >= 3;
    }
}

void OptionsDialog::show_volume(int step) {
    for (int i = 0; i < kVolumeSteps; ++i) {
        m_volume_boxes[static_cast<std::size_t>(i)]->set_checked(i <= step);
    }
}

void OptionsDialog::tick(int elapsed_ms) {
    (void)elapsed_ms;
}

void OptionsDialog::animate(int elapsed_ms) {
    (void)elapsed_ms;
    m_banner.step();
}

void OptionsDialog::key_down(int virtual_key) {
    // Neither key takes the key readers over: only the close button does.
    if (virtual_key == vk::escape) {
        end_dialog(*this, DialogResult::cancelled);
    } else if (virtual_key == vk::enter) {
        end_dialog(*this, DialogResult::accepted);
    }
    Screen::key_down(virtual_key);
}

void OptionsDialog::on_control(Control* control) {
    Screen::on_control(control);
    AppContext& app = m_app;
    ResourceSet& resources = *app.resources;
    if (control == &m_close_btn) {
        GameParams& config = app.config;
        config.m_left_key = m_left_key.key();
        config.m_right_key = m_right_key.key();
        config.m_down_key = m_down_key.key();
        config.m_up_key = m_up_key.key();
        config.m_fire_key = m_fire_key.key();
        config.m_die_key = m_die_key.key();
        end_dialog(*this, DialogResult::accepted);
    } else if (control == &m_autosave_box) {
        app.m_autosave = m_autosave_box.is_checked();
    } else if (control == &m_sound_box) {
        app.m_sound = m_sound_box.is_checked();
        app.sound.set_enabled(app.m_sound);
        if (!app.m_sound) {
            // Silence what is playing now, not only what comes next.
            for (int i = 0; i < app.sound.count(); ++i) {
                app.sound.stop(i);
            }
        }
    } else if (control == &m_classic_sound_box) {
        app.m_sound_classik = m_classic_sound_box.is_checked();
    } else if (control == &m_skin_up_btn || control == &m_skin_down_btn) {
        const int count = resources.skin_count();
        int skin = resources.current_skin() + (control == &m_skin_up_btn ? 1 : -1);
        if (skin >= count) {
            skin = 0;
        }
        if (skin < 0) {
            skin = count > 0 ? count - 1 : 0;
        }
        resources.set_current_skin(skin);
        // New games, and the game in progress once the menu tells it, take the new skin.
        app.use_current_skin();
        rebuild_preview();
    } else {
        for (int i = 0; i < kVolumeSteps; ++i) {
            if (control == m_volume_boxes[static_cast<std::size_t>(i)].get()) {
                show_volume(i);
                app.m_music_volume = i;
            }
        }
    }
}

void OptionsDialog::draw() {
    begin_dialog_drawing();
    draw_textured_rect(&m_app.resources->options_picture(), m_x, m_y, static_cast<float>(m_width),
                       static_cast<float>(m_height), 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, true);
    Dialog::draw();
    for (const Sprite& s : m_preview) {
        s.draw();
    }
    if (const Font* font = m_app.font()) {
        m_banner.draw(*font);
        font->draw_text("Press F5 to change current music track", 15.0f, 410.0f, 520.0f, 10.0f,
                        1.0f, 1.0f, 1.0f, 1.0f);
    }
    end_dialog_drawing();
}
