#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/game_log.h"
#include "gfx/resource_set.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "support/temp_dir.h"
#include "support/test_resources.h"

namespace {

const std::uint8_t kGreen[3] = {0, 255, 0};

std::string read_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ResourceSet, LoadsEveryPictureWithoutAContext) {
    PackArchive archive;
    add_resource_files(archive, 3, kGreen);
    ParamFile layout;
    ResourceSet set(archive, layout, 3);
    set.load_all();

    EXPECT_EQ("300", layout.get("m_nd_width", "0"));
    EXPECT_EQ(94, set.font().glyphs_found());
    EXPECT_EQ(256, set.m_font_texture.width());
    for (const Texture* texture : set.all_textures()) {
        EXPECT_GT(texture->width(), 0);
        EXPECT_EQ(0u, texture->gl_name());
    }
    EXPECT_EQ(32, set.m_ok_btn.width());
    EXPECT_EQ(64, set.background(5).width());
    ASSERT_EQ(3, set.skin_count());
    ASSERT_EQ(3u * 6 + 1, set.all_prototypes().size());
    for (const Sprite* sprite : set.all_prototypes()) {
        EXPECT_TRUE(sprite->owns_texture());
        EXPECT_EQ(2, sprite->m_frames);
        EXPECT_FLOAT_EQ(32.0f, sprite->m_frame_width);
        EXPECT_FLOAT_EQ(16.0f, sprite->m_frame_height);
    }
    // Skin 2 (index 1) uses sheets with an alpha partner.
    EXPECT_EQ(4, set.skin_sprites(1).m_gold.texture()->components());
    EXPECT_EQ(4, set.skin_sprites(0).m_gold.texture()->components());
    EXPECT_NE(set.skin_sprites(0).m_brick.texture(), set.skin_sprites(1).m_brick.texture());
}

TEST(ResourceSet, CurrentSkinAndBackgroundFollowTheIndex) {
    PackArchive archive;
    add_resource_files(archive, 2, kGreen);
    ParamFile layout;
    ResourceSet set(archive, layout, 2);
    set.load_all();
    set.set_current_skin(1);
    EXPECT_EQ(1, set.current_skin());
    EXPECT_EQ(&set.skin_sprites(1), &set.current_skin_sprites());
    EXPECT_EQ(&set.m_backgrounds[1], &set.current_background());
    set.set_current_skin(7);
    EXPECT_EQ(1, set.current_skin());
    set.set_current_skin(-3);
    EXPECT_EQ(0, set.current_skin());
    EXPECT_EQ(&set.m_backgrounds[5], &set.background(9));
}

TEST(ResourceSet, ReloadKeepsCopiesOfPrototypesWorking) {
    PackArchive archive;
    add_resource_files(archive, 1, kGreen);
    ParamFile layout;
    ResourceSet set(archive, layout, 1);
    set.load_all();
    Sprite copy = set.current_skin_sprites().m_ladder;
    set.release_all();
    set.load_all();
    EXPECT_EQ(set.current_skin_sprites().m_ladder.texture(), copy.texture());
    EXPECT_EQ(64, copy.texture()->width());

    // A changed skin count rebuilds the prototypes at the next load; old copies live on.
    set.set_skin_count(0);
    set.load_all();
    EXPECT_EQ(0, set.skin_count());
    EXPECT_EQ(nullptr, set.current_skin_sprites().m_brick.texture());
    EXPECT_EQ(64, copy.texture()->width());
}

TEST(ResourceSet, MissingPicturesStayEmptyAndAreNamedInTheLog) {
    TempDir dir;
    game_log().open(dir.path() + "/game.log");
    PackArchive archive;
    add_resource_files(archive, 1, kGreen);
    ParamFile layout;
    ResourceSet set(archive, layout, 2);  // skin 2 has no files
    // A layout that names no images at all: every control image is "0".
    const std::string empty_layout = "m_other 1\n";
    PackArchive bare;
    bare.add_memory("mui/menu.txt", empty_layout.data(), empty_layout.size(), false);
    ResourceSet bare_set(bare, layout, 0);
    bare_set.load_all();
    EXPECT_EQ(0, bare_set.m_ok_btn.width());
    EXPECT_EQ(0, bare_set.font().glyphs_found());
    EXPECT_FLOAT_EQ(0.0f, bare_set.font().text_width("Hello", 20.0f));

    set.load_all();
    EXPECT_EQ(32, set.m_ok_btn.width());
    EXPECT_EQ(0, set.skin_sprites(1).m_brick.texture()->width());
    const std::string log = read_text(dir.path() + "/game.log");
    EXPECT_NE(std::string::npos, log.find("mui/checkbox.tga"));  // from the bare set
    // Pictures held only while shown are still checked, and named, at the load.
    EXPECT_NE(std::string::npos, log.find("mui/top7_wnd2.jpg"));
    EXPECT_NE(std::string::npos, log.find("dat/bg3.jpg"));
    EXPECT_EQ(0, bare_set.top7_picture(1).width());
    EXPECT_NE(std::string::npos, log.find("dat/s2/g_7.spr"));
    EXPECT_EQ(std::string::npos, log.find("dat/s1/g_7.spr"));
    game_log().open(dir.path() + "/other.log");
}

}  // namespace

TEST(ResourceSet, AbsurdSkinCountsAreClamped) {
    PackArchive archive;
    add_resource_files(archive, 1, kGreen);
    ParamFile layout;
    ResourceSet set(archive, layout, 2147483647);  // a damaged "m_skins_count"
    EXPECT_EQ(ResourceSet::kMaxSkins, set.skin_count());
    set.set_skin_count(-3);
    set.load_all();
    EXPECT_EQ(0, set.skin_count());
}
