#pragma once

#include <array>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/jpeg_texture.h"
#include "gfx/sprite.h"
#include "gfx/tga_texture.h"

class PackArchive;
class ParamFile;

// The prototype sprites of one skin, from "dat/s<n>/...".
struct SkinSprites {
    Sprite m_brick;   // g_1.spr (also the false brick)
    Sprite m_solid;   // g_2.spr
    Sprite m_ladder;  // g_3.spr (also the hidden ladder)
    Sprite m_rope;    // g_4.spr
    Sprite m_gold;    // g_7.spr
    Sprite m_light;   // light.spr
};

// Every shared picture: font, logo, control images, dialog and playfield backgrounds, and the
// prototype sprites of every skin. Loaded once the GL context exists and again after it has
// been recreated; everything is read through the archive. Without a GL context the pictures
// still decode (sizes, sprite grids, font boxes) so the game's logic can run headless.
class ResourceSet {
  public:
    static constexpr int kBackgroundCount = 6;

    // `layout` is the game's "mui/menu.txt" dictionary, (re)read by load_all; the control
    // images are the files it names. `skin_count` is "m_skins_count" of "dat/param.txt".
    ResourceSet(const PackArchive& archive, ParamFile& layout, int skin_count);
    ResourceSet(const ResourceSet&) = delete;
    ResourceSet& operator=(const ResourceSet&) = delete;
    ~ResourceSet();

    // Releases everything, then loads every picture in a fixed order. A picture that cannot
    // be loaded stays empty (it draws untextured or not at all) and is named in the log.
    void load_all();
    // Deletes every GL texture (the decoded sizes stay); before the GL context goes.
    void release_all();

    int skin_count() const { return static_cast<int>(m_skins.size()); }
    // Most skins a set may name; a damaged "m_skins_count" must not exhaust memory.
    static constexpr int kMaxSkins = 100;
    // Takes effect at the next load_all; prototypes of a changed count are rebuilt there.
    // Clamped to 0..kMaxSkins.
    void set_skin_count(int count);
    // The current skin, counted from 0; clamped to the skins there are.
    int current_skin() const { return m_current_skin; }
    void set_current_skin(int skin);

    // Prototype sprites of skin `skin` (from 0; out of range gives skin 0's, or empty sprites
    // when there are no skins).
    const SkinSprites& skin_sprites(int skin) const;
    const SkinSprites& current_skin_sprites() const { return skin_sprites(m_current_skin); }
    // Playfield background `index` ("dat/bg<index>.jpg"), clamped to 0..5. Only the current
    // skin's is held as a GL texture (each takes 2 MB in the renderer); the others are
    // checked by load_all and keep their sizes, and a change of skin swaps the texture.
    const JpegTexture& background(int index) const;
    // The background of the current skin.
    const JpegTexture& current_background() const { return background(m_current_skin); }

    // The Top 7 picture of level set `set` (0 or 1), and the options dialog's picture. Each
    // shows in one dialog alone: checked by load_all like the others but made a GL texture
    // only here, at its first use. Stays empty when it failed that check (it was reported
    // then).
    const JpegTexture& top7_picture(int set);
    const JpegTexture& options_picture();
    // Deletes that picture's GL texture (its size stays) once the dialog is gone.
    void release_top7_picture(int set);
    void release_options_picture() { m_options_wnd.release(); }

    const Font& font() const { return m_font; }

    // Every texture and every prototype sprite the set holds (for checks after a reload).
    std::vector<const Texture*> all_textures() const;
    std::vector<const Sprite*> all_prototypes() const;

    TgaTexture m_font_texture;
    Font m_font;
    TgaTexture m_logo;
    TgaTexture m_zelm1_game_btn;
    TgaTexture m_zelm2_game_btn;
    TgaTexture m_continue_single_game_btn;
    TgaTexture m_quit_game_btn;
    TgaTexture m_ok_btn;
    TgaTexture m_cancel_btn;
    TgaTexture m_radio_btn;
    TgaTexture m_enter_name_editbox;
    TgaTexture m_key_reader;
    TgaTexture m_enter_level_num_editbox;
    TgaTexture m_help_btn;
    TgaTexture m_close_btn;
    TgaTexture m_top7_btn;
    TgaTexture m_top7_btn2;
    TgaTexture m_options_btn;
    TgaTexture m_play_custom_btn;
    TgaTexture m_mini_btn;
    TgaTexture m_fullscreen_btn;
    TgaTexture m_up_btn;
    TgaTexture m_down_btn;
    TgaTexture m_skin_up_btn;
    TgaTexture m_skin_down_btn;
    TgaTexture m_checkbox;
    JpegTexture m_dialog_wnd;
    JpegTexture m_exit_dialog_wnd;
    JpegTexture m_main_wnd;
    JpegTexture m_options_wnd;
    // The Top 7 pictures of level sets 1 and 2 ("mui/top7_wnd1.jpg", "mui/top7_wnd2.jpg").
    std::array<JpegTexture, 2> m_top7_wnd;
    std::array<JpegTexture, kBackgroundCount> m_backgrounds;
    Sprite m_player;  // "dat/p_1.spr", shared by all skins

  private:
    void load_texture(Texture& texture, const std::string& path, bool repeat, bool mip);
    // Decodes a picture to report it now if broken, without holding it in GL.
    void check_picture(JpegTexture& picture, const std::string& path, bool repeat);
    // Makes the GL texture of a checked picture that has none, with a GL context only.
    void load_checked(JpegTexture& picture, const std::string& path, bool repeat);
    static int background_index(int skin);
    void load_sprite(Sprite& sprite, const std::string& path, bool mip);
    std::vector<Texture*> textures();
    std::vector<Sprite*> prototypes();

    const PackArchive& m_archive;
    ParamFile& m_layout;
    std::vector<SkinSprites> m_skins;
    int m_skin_count_wanted = 0;
    int m_current_skin = 0;
    bool m_loaded = false;  // between load_all and release_all: pictures follow the skin
    SkinSprites m_no_skin;
};
