#include "support/test_resources.h"

#include <cstdio>
#include <vector>

#include "storage/pack_archive.h"
#include "support/test_images.h"

namespace {

const char* const kControlKeys[] = {"m_zelm1_game_btn",
                                    "m_zelm2_game_btn",
                                    "m_continue_single_game_btn",
                                    "m_quit_game_btn",
                                    "m_ok_btn",
                                    "m_cancel_btn",
                                    "m_radio_btn",
                                    "m_enter_name_editbox",
                                    "m_enter_level_num_editbox",
                                    "m_help_btn",
                                    "m_close_btn",
                                    "m_top7_btn",
                                    "m_top7_btn2",
                                    "m_options_btn",
                                    "m_play_custom_btn",
                                    "m_mini_btn",
                                    "m_fullscreen_btn"};

void put(PackArchive& archive, const std::string& name, const Bytes& bytes) {
    archive.add_memory(name, bytes.data(), bytes.size(), false);
}

void put_text(PackArchive& archive, const std::string& name, const std::string& text) {
    archive.add_memory(name, text.data(), text.size(), false);
}

}  // namespace

std::string control_image_name(const std::string& key) {
    return "mui/" + key.substr(2) + ".tga";
}

void add_resource_files(PackArchive& archive, int skins, const std::uint8_t colour[3]) {
    const std::uint8_t rgba[4] = {colour[0], colour[1], colour[2], 255};
    const Bytes tga = make_split_tga(32, 32, 32, rgba, rgba);
    const Bytes jpeg = make_split_jpeg(64, 64, colour, colour);

    put(archive, "mui/font.tga", make_font_picture(94).tga);
    std::string layout = "// control images\n";
    // The edit boxes keep the game's widths: text that fits them is measured against these.
    const Bytes name_box = make_split_tga(300, 104, 32, rgba, rgba);
    const Bytes level_box = make_split_tga(128, 96, 32, rgba, rgba);
    for (const char* key : kControlKeys) {
        layout += std::string(key) + " " + control_image_name(key) + "\n";
        const std::string k = key;
        put(archive, control_image_name(key),
            k == "m_enter_name_editbox"        ? name_box
            : k == "m_enter_level_num_editbox" ? level_box
                                               : tga);
    }
    layout += "m_nd_width 300\n";
    put_text(archive, "mui/menu.txt", layout);
    for (const char* name :
         {"mui/velmora.tga", "mui/key_reader.tga", "mui/up_btn.tga", "mui/down_btn.tga",
          "mui/skin_up_btn.tga", "mui/skin_down_btn.tga", "mui/checkbox.tga"}) {
        put(archive, name, tga);
    }
    for (const char* name : {"mui/dialog_wnd.jpg", "mui/exit_dialog_wnd.jpg", "mui/main_wnd.jpg",
                             "mui/options_wnd.jpg", "mui/top7_wnd1.jpg", "mui/top7_wnd2.jpg"}) {
        put(archive, name, jpeg);
    }
    for (int i = 0; i < 6; ++i) {
        put(archive, "dat/bg" + std::to_string(i) + ".jpg", jpeg);
    }

    put(archive, "dat/sheet.tga", make_split_tga(64, 32, 32, rgba, rgba));
    put(archive, "dat/sheet.jpg", make_split_jpeg(64, 32, colour, colour));
    put(archive, "dat/sheet_alpha.jpg", make_jpeg(64, 32, 1, Bytes(64 * 32, 255)));
    const std::string tga_spr = "file_name dat/sheet.tga groups 2 frames 2\n";
    const std::string jpeg_spr =
        "file_name dat/sheet.jpg file_alpha dat/sheet_alpha.jpg groups 2 frames 2\n";
    for (int s = 1; s <= skins; ++s) {
        for (const char* file : {"g_1", "g_2", "g_3", "g_4", "g_7", "light"}) {
            // Skin 2 uses JPEG sheets with alpha partners, the others TGA.
            const std::string name = "dat/s" + std::to_string(s) + "/" + file + ".spr";
            put_text(archive, name, s == 2 ? jpeg_spr : tga_spr);
        }
    }
    put_text(archive, "dat/p_1.spr", tga_spr);
}
