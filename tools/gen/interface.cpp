// Every picture of the menus and dialogs.
#include "generate.h"
#include "layout.h"
#include "screens.h"
#include "widgets.h"

namespace {

void emit(OutputTree& out, ContactSheet& review, const std::string& path, const Canvas& picture,
          int scale = 1) {
    out.write(path, encode_tga(picture, true));
    review.add(path, picture, scale);
}

}  // namespace

void generate_interface(OutputTree& out, ContactSheet& review, Fonts& fonts) {
    using namespace layout;
    TypeFace& face = *fonts.bold;
    struct Captioned {
        const char* path;
        const char* caption;
        Size size;
        ButtonTone tone;
    };
    const Captioned buttons[] = {
        {"mui/new_game1_btn.tga", "New game set 1", kMainButton, ButtonTone::main},
        {"mui/new_game2_btn.tga", "New game set 2", kMainButton, ButtonTone::main},
        {"mui/continue_btn.tga", "Continue", kMainButton, ButtonTone::main},
        {"mui/quit_btn.tga", "Quit", kMainButton, ButtonTone::main},
        {"mui/help_btn.tga", "Help", kMainButton, ButtonTone::main},
        {"mui/top7_1_btn.tga", "Top 7 set 1", kMainButton, ButtonTone::main},
        {"mui/top7_2_btn.tga", "Top 7 set 2", kMainButton, ButtonTone::main},
        {"mui/options_btn.tga", "Options", kMainButton, ButtonTone::main},
        {"mui/custom_btn.tga", "Custom game", kMainButton, ButtonTone::main},
        {"mui/mini_btn.tga", "Minimise", kSmallButton, ButtonTone::small},
        {"mui/fullscreen_btn.tga", "Full screen", kSmallButton, ButtonTone::small},
        {"mui/ok_btn.tga", "OK", kDialogButton, ButtonTone::dialog},
        {"mui/cancel_btn.tga", "Cancel", kDialogButton, ButtonTone::dialog},
        {"mui/close_btn.tga", "Close", kDialogButton, ButtonTone::dialog},
    };
    for (const Captioned& b : buttons) {
        emit(out, review, b.path, stack_bands(button_states(face, b.caption, b.size, b.tone)));
    }
    emit(out, review, "mui/up_btn.tga", stack_bands(arrow_states(kScrollArrow, Arrow::up)), 2);
    emit(out, review, "mui/down_btn.tga", stack_bands(arrow_states(kScrollArrow, Arrow::down)), 2);
    emit(out, review, "mui/skin_up_btn.tga", stack_bands(arrow_states(kSkinArrow, Arrow::right)),
         2);
    emit(out, review, "mui/skin_down_btn.tga", stack_bands(arrow_states(kSkinArrow, Arrow::left)),
         2);
    emit(out, review, "mui/checkbox.tga", stack_bands(checkbox_states(kTick)), 2);
    emit(out, review, "mui/radio.tga", stack_bands(radio_states(kTick)), 2);
    emit(out, review, "mui/level_editbox.tga", stack_bands(field_states(kLevelBox, false)));
    emit(out, review, "mui/name_editbox.tga", stack_bands(field_states(kNameBox, false)));
    emit(out, review, "mui/key_reader.tga", stack_bands(field_states(kKeyReader, true)));
    emit(out, review, "mui/velmora.tga", stack_bands(logo_states(fonts, kLogo)));
    emit(out, review, "mui/icon.tga", window_icon(fonts), 2);

    Canvas main_menu = main_menu_picture(fonts);
    out.write("mui/main_wnd.jpg", encode_screen_jpeg(main_menu, 1024, 512));
    review.add("mui/main_wnd.jpg", main_menu);
    Canvas intro = intro_picture(fonts);
    out.write("mui/intro.jpg", encode_screen_jpeg(intro, 1024, 512));
    review.add("mui/intro.jpg", intro);
    Canvas options = options_picture(fonts);
    out.write("mui/options_wnd.jpg", encode_screen_jpeg(options, 1024, 512));
    review.add("mui/options_wnd.jpg", options);
    for (int set = 1; set <= 2; ++set) {
        Canvas top7 = top7_picture(fonts, set);
        std::string path = "mui/top7_wnd" + std::to_string(set) + ".jpg";
        out.write(path, encode_screen_jpeg(top7, 1024, 512));
        review.add(path, top7);
    }
    Canvas dialog = dialog_picture(512, false);
    out.write("mui/dialog_wnd.jpg", encode_jpeg(dialog, 90));
    review.add("mui/dialog_wnd.jpg", dialog.resized(256, 256));
    Canvas warning = dialog_picture(512, true);
    out.write("mui/exit_dialog_wnd.jpg", encode_jpeg(warning, 90));
    review.add("mui/exit_dialog_wnd.jpg", warning.resized(256, 256));
}
