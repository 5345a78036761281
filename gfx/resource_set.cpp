#include "gfx/resource_set.h"

#include <algorithm>
#include <cstdio>

#include "core/game_log.h"
#include "platform/gl_current.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"

ResourceSet::ResourceSet(const PackArchive& archive, ParamFile& layout, int skin_count)
    : m_archive(archive), m_layout(layout) {
    set_skin_count(skin_count);
    m_skins.resize(static_cast<std::size_t>(m_skin_count_wanted));
}

ResourceSet::~ResourceSet() {
    release_all();
}

void ResourceSet::set_skin_count(int count) {
    m_skin_count_wanted = std::clamp(count, 0, kMaxSkins);
}

namespace {

std::string background_path(int index) {
    char path[32];
    std::snprintf(path, sizeof path, "dat/bg%i.jpg", index);
    return path;
}

std::string top7_path(int set) {
    return set == 1 ? "mui/top7_wnd2.jpg" : "mui/top7_wnd1.jpg";
}

}  // namespace

int ResourceSet::background_index(int skin) {
    return std::clamp(skin, 0, kBackgroundCount - 1);
}

void ResourceSet::set_current_skin(int skin) {
    const int last = std::max(0, std::max(m_skin_count_wanted, skin_count()) - 1);
    const int shown = background_index(m_current_skin);
    m_current_skin = std::clamp(skin, 0, last);
    const int wanted = background_index(m_current_skin);
    if (m_loaded && wanted != shown) {
        m_backgrounds[static_cast<std::size_t>(shown)].release();
        load_checked(m_backgrounds[static_cast<std::size_t>(wanted)], background_path(wanted),
                     true);
    }
}

const SkinSprites& ResourceSet::skin_sprites(int skin) const {
    if (m_skins.empty()) {
        return m_no_skin;
    }
    if (skin < 0 || skin >= skin_count()) {
        skin = 0;
    }
    return m_skins[static_cast<std::size_t>(skin)];
}

const JpegTexture& ResourceSet::background(int index) const {
    return m_backgrounds[static_cast<std::size_t>(background_index(index))];
}

const JpegTexture& ResourceSet::top7_picture(int set) {
    JpegTexture& picture = m_top7_wnd[set == 1 ? 1 : 0];
    if (m_loaded) {
        load_checked(picture, top7_path(set), false);
    }
    return picture;
}

const JpegTexture& ResourceSet::options_picture() {
    if (m_loaded) {
        load_checked(m_options_wnd, "mui/options_wnd.jpg", false);
    }
    return m_options_wnd;
}

void ResourceSet::release_top7_picture(int set) {
    m_top7_wnd[set == 1 ? 1 : 0].release();
}

std::vector<Texture*> ResourceSet::textures() {
    std::vector<Texture*> all = {&m_font_texture,
                                 &m_logo,
                                 &m_zelm1_game_btn,
                                 &m_zelm2_game_btn,
                                 &m_continue_single_game_btn,
                                 &m_quit_game_btn,
                                 &m_ok_btn,
                                 &m_cancel_btn,
                                 &m_radio_btn,
                                 &m_enter_name_editbox,
                                 &m_key_reader,
                                 &m_enter_level_num_editbox,
                                 &m_help_btn,
                                 &m_close_btn,
                                 &m_top7_btn,
                                 &m_top7_btn2,
                                 &m_options_btn,
                                 &m_play_custom_btn,
                                 &m_mini_btn,
                                 &m_fullscreen_btn,
                                 &m_up_btn,
                                 &m_down_btn,
                                 &m_skin_up_btn,
                                 &m_skin_down_btn,
                                 &m_checkbox,
                                 &m_dialog_wnd,
                                 &m_exit_dialog_wnd,
                                 &m_main_wnd,
                                 &m_options_wnd};
    for (JpegTexture& top7 : m_top7_wnd) {
        all.push_back(&top7);
    }
    for (JpegTexture& bg : m_backgrounds) {
        all.push_back(&bg);
    }
    return all;
}

std::vector<Sprite*> ResourceSet::prototypes() {
    std::vector<Sprite*> all;
    for (SkinSprites& skin : m_skins) {
        all.insert(all.end(), {&skin.m_brick, &skin.m_solid, &skin.m_ladder, &skin.m_rope,
                               &skin.m_gold, &skin.m_light});
    }
    all.push_back(&m_player);
    return all;
}

std::vector<const Texture*> ResourceSet::all_textures() const {
    const std::vector<Texture*> all = const_cast<ResourceSet*>(this)->textures();
    return std::vector<const Texture*>(all.begin(), all.end());
}

std::vector<const Sprite*> ResourceSet::all_prototypes() const {
    const std::vector<Sprite*> all = const_cast<ResourceSet*>(this)->prototypes();
    return std::vector<const Sprite*>(all.begin(), all.end());
}

void ResourceSet::release_all() {
    m_loaded = false;
    for (Texture* texture : textures()) {
        texture->release();
    }
    for (Sprite* sprite : prototypes()) {
        sprite->release();
    }
}

void ResourceSet::load_texture(Texture& texture, const std::string& path, bool repeat, bool mip) {
    const PackEntry file = m_archive.read_file(path);
    if (!texture.load_memory(file.data.get(), file.size, repeat, mip)) {
        game_log().write("Image %s could not be loaded", path.c_str());
    }
}

void ResourceSet::check_picture(JpegTexture& picture, const std::string& path, bool repeat) {
    const PackEntry file = m_archive.read_file(path);
    if (!picture.check_memory(file.data.get(), file.size, repeat)) {
        game_log().write("Image %s could not be loaded", path.c_str());
    }
}

void ResourceSet::load_checked(JpegTexture& picture, const std::string& path, bool repeat) {
    // A picture that failed its check stays empty, as it would have loaded; without a context
    // there is nothing to make.
    if (picture.gl_name() == 0 && picture.width() > 0 && has_current_gl_context()) {
        load_texture(picture, path, repeat, false);
    }
}

void ResourceSet::load_sprite(Sprite& sprite, const std::string& path, bool mip) {
    if (!sprite.load_file(m_archive, path, false, mip)) {
        game_log().write("Sprite %s could not be loaded", path.c_str());
    }
}

void ResourceSet::load_all() {
    release_all();

    // The font picture is both a texture and the source of the glyph boxes.
    {
        const PackEntry file = m_archive.read_file("mui/font.tga");
        const unsigned char* data = file.data.get();
        if (!m_font_texture.load_memory(data, file.size, false, false)) {
            game_log().write("Image mui/font.tga could not be loaded");
        }
        if (!m_font.load(data, file.size, &m_font_texture)) {
            game_log().write("Font mui/font.tga: %i glyphs found, 94 expected",
                             m_font.glyphs_found());
        }
    }
    {
        const PackEntry file = m_archive.read_file("mui/menu.txt");
        m_layout.load_memory(file.data.get(), file.size, true);
    }
    load_texture(m_logo, "mui/velmora.tga", false, true);

    struct Named {
        TgaTexture* texture;
        const char* name;  // a layout key, or a path when `fixed`
        bool fixed;
        bool repeat;
    };
    const Named controls[] = {
        {&m_zelm1_game_btn, "m_zelm1_game_btn", false, false},
        {&m_zelm2_game_btn, "m_zelm2_game_btn", false, false},
        {&m_continue_single_game_btn, "m_continue_single_game_btn", false, true},
        {&m_quit_game_btn, "m_quit_game_btn", false, true},
        {&m_ok_btn, "m_ok_btn", false, false},
        {&m_cancel_btn, "m_cancel_btn", false, true},
        {&m_radio_btn, "m_radio_btn", false, true},
        {&m_enter_name_editbox, "m_enter_name_editbox", false, false},
        {&m_key_reader, "mui/key_reader.tga", true, false},
        {&m_enter_level_num_editbox, "m_enter_level_num_editbox", false, false},
        {&m_help_btn, "m_help_btn", false, false},
        {&m_close_btn, "m_close_btn", false, false},
        {&m_top7_btn, "m_top7_btn", false, false},
        {&m_top7_btn2, "m_top7_btn2", false, false},
        {&m_options_btn, "m_options_btn", false, false},
        {&m_play_custom_btn, "m_play_custom_btn", false, false},
        {&m_mini_btn, "m_mini_btn", false, false},
        {&m_fullscreen_btn, "m_fullscreen_btn", false, false},
        {&m_up_btn, "mui/up_btn.tga", true, false},
        {&m_down_btn, "mui/down_btn.tga", true, false},
        {&m_skin_up_btn, "mui/skin_up_btn.tga", true, false},
        {&m_skin_down_btn, "mui/skin_down_btn.tga", true, false},
        {&m_checkbox, "mui/checkbox.tga", true, false},
    };
    for (const Named& c : controls) {
        const std::string path = c.fixed ? c.name : m_layout.get(c.name, "0");
        load_texture(*c.texture, path, c.repeat, true);
    }

    load_texture(m_dialog_wnd, "mui/dialog_wnd.jpg", false, false);
    check_picture(m_exit_dialog_wnd, "mui/exit_dialog_wnd.jpg", false);  // no screen draws it
    load_texture(m_main_wnd, "mui/main_wnd.jpg", false, false);
    check_picture(m_options_wnd, "mui/options_wnd.jpg", false);
    for (int set = 0; set < 2; ++set) {
        check_picture(m_top7_wnd[static_cast<std::size_t>(set)], top7_path(set), false);
    }
    // Copies of old prototypes keep their textures alive, so resizing the list is safe. The
    // skin, clamped to the new count, picks the background to hold.
    m_skins.resize(static_cast<std::size_t>(m_skin_count_wanted));
    set_current_skin(m_current_skin);
    for (int i = 0; i < kBackgroundCount; ++i) {
        JpegTexture& background = m_backgrounds[static_cast<std::size_t>(i)];
        if (i == background_index(m_current_skin)) {
            load_texture(background, background_path(i), true, false);
        } else {
            check_picture(background, background_path(i), true);
        }
    }

    for (int s = 0; s < skin_count(); ++s) {
        SkinSprites& skin = m_skins[static_cast<std::size_t>(s)];
        const struct {
            Sprite* sprite;
            const char* file;
        } files[] = {{&skin.m_brick, "g_1"}, {&skin.m_solid, "g_2"}, {&skin.m_ladder, "g_3"},
                     {&skin.m_rope, "g_4"},  {&skin.m_gold, "g_7"},  {&skin.m_light, "light"}};
        for (const auto& f : files) {
            char path[48];
            std::snprintf(path, sizeof path, "dat/s%i/%s.spr", s + 1, f.file);
            load_sprite(*f.sprite, path, true);
        }
    }
    load_sprite(m_player, "dat/p_1.spr", false);
    m_loaded = true;
}
