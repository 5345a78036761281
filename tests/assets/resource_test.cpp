// The generated pictures, sprites and font, loaded from the built archive with the game's own
// loaders (no GL context is needed to decode them).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/asset_files.h"
#include "gfx/jpeg_texture.h"
#include "gfx/resource_set.h"
#include "gfx/tga_texture.h"

namespace {

int skin_count() {
    return ParamFile::to_int(archive_params("dat/param.txt").get("m_skins_count", "0"));
}

TEST(GeneratedResources, ParamFileNamesAtLeastFourSkinsThatAllExist) {
    int skins = skin_count();
    EXPECT_GE(skins, 4);
    for (int s = 1; s <= skins; ++s) {
        for (const char* name : {"g_1", "g_2", "g_3", "g_4", "g_7", "light"}) {
            std::string path = "dat/s" + std::to_string(s) + "/" + name + ".spr";
            EXPECT_GE(game_archive().find(path), 0) << path << " is not in the archive";
        }
    }
    // Every skin has its own backdrop; there are six.
    EXPECT_LE(skins, 6);
}

TEST(GeneratedResources, TheResourceSetLoadsEveryPicture) {
    ParamFile layout = archive_params("mui/menu.txt");
    ResourceSet set(game_archive(), layout, skin_count());
    set.load_all();

    EXPECT_EQ(set.font().glyphs_found(), 94);
    const std::vector<std::pair<const char*, const Texture*>> textures = {
        {"font", &set.m_font_texture},
        {"logo", &set.m_logo},
        {"zelm1", &set.m_zelm1_game_btn},
        {"zelm2", &set.m_zelm2_game_btn},
        {"continue", &set.m_continue_single_game_btn},
        {"quit", &set.m_quit_game_btn},
        {"ok", &set.m_ok_btn},
        {"cancel", &set.m_cancel_btn},
        {"radio", &set.m_radio_btn},
        {"name box", &set.m_enter_name_editbox},
        {"key reader", &set.m_key_reader},
        {"level box", &set.m_enter_level_num_editbox},
        {"help", &set.m_help_btn},
        {"close", &set.m_close_btn},
        {"top7", &set.m_top7_btn},
        {"top7 2", &set.m_top7_btn2},
        {"options", &set.m_options_btn},
        {"custom", &set.m_play_custom_btn},
        {"mini", &set.m_mini_btn},
        {"fullscreen", &set.m_fullscreen_btn},
        {"up", &set.m_up_btn},
        {"down", &set.m_down_btn},
        {"skin up", &set.m_skin_up_btn},
        {"skin down", &set.m_skin_down_btn},
        {"checkbox", &set.m_checkbox},
        {"dialog", &set.m_dialog_wnd},
        {"exit dialog", &set.m_exit_dialog_wnd},
        {"main", &set.m_main_wnd},
        {"options window", &set.m_options_wnd},
        {"top 7 set 1", &set.m_top7_wnd[0]},
        {"top 7 set 2", &set.m_top7_wnd[1]},
    };
    for (const auto& t : textures) {
        EXPECT_GT(t.second->width(), 0) << t.first;
        EXPECT_GT(t.second->height(), 0) << t.first;
    }
    for (int i = 0; i < ResourceSet::kBackgroundCount; ++i) {
        EXPECT_GT(set.background(i).width(), 0) << "background " << i;
        EXPECT_EQ(set.background(i).components(), 3) << "background " << i;
    }
    ASSERT_EQ(set.skin_count(), skin_count());
    for (int s = 0; s < set.skin_count(); ++s) {
        const SkinSprites& sk = set.skin_sprites(s);
        for (const Sprite* sp :
             {&sk.m_brick, &sk.m_solid, &sk.m_ladder, &sk.m_rope, &sk.m_gold, &sk.m_light}) {
            ASSERT_NE(sp->texture(), nullptr) << "skin " << s;
            EXPECT_GT(sp->texture()->width(), 0) << "skin " << s;
            EXPECT_EQ(sp->texture()->components(), 4) << "skin " << s << " needs alpha";
        }
        EXPECT_GE(sk.m_brick.m_frames, 8) << "the dig needs at least eight pictures";
        EXPECT_GE(sk.m_gold.m_groups, 2) << "gold comes in several looks";
        EXPECT_GE(sk.m_light.m_groups, 2);
        EXPECT_GE(sk.m_light.m_frames, 2) << "lights twinkle";
    }
    EXPECT_EQ(set.m_player.m_groups, 8) << "one animation per runner state";
    EXPECT_GE(set.m_player.m_frames, 4);
}

// Pictures loaded without mipmaps are uploaded unscaled, so their sides must be powers of two.
TEST(GeneratedResources, PicturesWithoutMipmapsHavePowerOfTwoSides) {
    std::vector<std::string> jpegs = {
        "mui/dialog_wnd.jpg", "mui/exit_dialog_wnd.jpg", "mui/main_wnd.jpg", "mui/options_wnd.jpg",
        "mui/intro.jpg",      "mui/top7_wnd1.jpg",       "mui/top7_wnd2.jpg"};
    for (int i = 0; i < 6; ++i) {
        jpegs.push_back("dat/bg" + std::to_string(i) + ".jpg");
    }
    for (const std::string& name : jpegs) {
        PackEntry entry = game_archive().read_file(name);
        JpegTexture texture;
        ASSERT_TRUE(texture.load_memory(entry.data.get(), entry.size, false, false)) << name;
        EXPECT_TRUE(is_power_of_two(texture.width())) << name;
        EXPECT_TRUE(is_power_of_two(texture.height())) << name;
    }
    for (const char* name : {"mui/font.tga", "dat/p_1.tga"}) {
        PackEntry entry = game_archive().read_file(name);
        TgaTexture texture;
        ASSERT_TRUE(texture.load_memory(entry.data.get(), entry.size, false, false)) << name;
        EXPECT_TRUE(is_power_of_two(texture.width())) << name;
        EXPECT_TRUE(is_power_of_two(texture.height())) << name;
        EXPECT_EQ(texture.components(), 4) << name;
    }
}

// Every sprite file's grid divides its sheet, so no picture bleeds into its neighbour.
TEST(GeneratedResources, SpriteGridsDivideTheirSheets) {
    std::vector<std::string> sprites = {"dat/p_1.spr"};
    for (int s = 1; s <= skin_count(); ++s) {
        for (const char* name : {"g_1", "g_2", "g_3", "g_4", "g_7", "light"}) {
            sprites.push_back("dat/s" + std::to_string(s) + "/" + name + ".spr");
        }
    }
    for (const std::string& spr : sprites) {
        ParamFile file = archive_params(spr);
        std::string sheet_name = file.get("file_name", "0");
        int groups = ParamFile::to_int(file.get("groups", "1"));
        int frames = ParamFile::to_int(file.get("frames", "1"));
        DecodedImage sheet;
        ASSERT_TRUE(archive_tga(sheet_name, sheet)) << spr << " names " << sheet_name;
        ASSERT_GT(groups, 0);
        ASSERT_GT(frames, 0);
        EXPECT_EQ(sheet.width % frames, 0) << spr;
        EXPECT_EQ(sheet.height % groups, 0) << spr;
        EXPECT_EQ(sheet.components, 4) << spr;
        // Every picture of the grid shows something.
        for (int g = 0; g < groups; ++g) {
            for (int f = 0; f < frames; ++f) {
                EXPECT_GT(cell_alpha(sheet, frames, groups, f, g), 0)
                    << spr << " group " << g << " frame " << f << " is empty";
            }
        }
    }
}

}  // namespace
