#pragma once

#include <string>
#include <vector>

// Sizes of the control pictures (one band) and the places of every control, shared by the
// pictures that paint labels next to controls and by the layout file "mui/menu.txt".
namespace layout {

struct Size {
    int w, h;
};

constexpr Size kMainButton = {168, 42};
constexpr Size kSmallButton = {128, 32};
constexpr Size kDialogButton = {128, 42};
constexpr Size kLogo = {256, 80};
constexpr Size kScrollArrow = {48, 48};
constexpr Size kSkinArrow = {36, 36};
constexpr Size kTick = {32, 32};  // check box and radio button
constexpr Size kLevelBox = {128, 48};
constexpr Size kNameBox = {384, 52};
constexpr Size kKeyReader = {256, 34};

struct Rect {
    int x, y, w, h;
};

// The publisher banner's lines travel over the right of the main menu, their flash included:
// from x 368 to the edge and from y 45 to 505. The title and the button panel stay left of it.
constexpr Rect kBannerPath = {368, 45, 432, 460};
constexpr Rect kMenuTitle = {14, 8, 346, 84};  // the title and its glow
constexpr Rect kMenuPanel = {6, 102, 358, 278};

// Main menu columns.
constexpr int kColumn1 = 16;
constexpr int kColumn2 = kColumn1 + kMainButton.w + 8;
constexpr int kRow0 = 114;
constexpr int kRowStep = 52;
constexpr int kLogoX = 88;  // where the menu puts the publisher logo
constexpr int kLogoY = 449;

constexpr Rect kNewGame = {160, 190, 480, 220};
constexpr Rect kCustom = {150, 110, 500, 380};
constexpr Rect kHelp = {10, 8, 780, 584};
constexpr Rect kOptions = {5, 12, 790, 576};

// Options dialog, in its own coordinates.
constexpr int kOptTickX = 30;
constexpr int kOptAutosaveY = 80;
constexpr int kOptSoundY = 118;
constexpr int kOptClassicY = 156;
constexpr int kOptSkinY = 204;
constexpr int kOptSkinDownX = 96;
constexpr int kOptPreviewX = 162;
constexpr int kOptSkinUpX = 300;
constexpr int kOptKeysX = 140;
constexpr int kOptKeysY = 262;
constexpr int kOptKeyStep = 38;
constexpr int kOptVolumeX = 150;  // fixed by the dialog: box i at (150 + 35 i, 495)
constexpr int kOptVolumeY = 495;
constexpr int kOptVolumeStep = 35;

// One key of the layout file and its value.
struct Entry {
    std::string key;
    std::string value;
};

// Every key of the layout file, in a readable order.
std::vector<Entry> entries();
// The file text, with comments.
std::string menu_text();

}  // namespace layout
