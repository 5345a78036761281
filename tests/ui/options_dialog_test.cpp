// The options dialog: settings that take effect when clicked, keys stored only by Close.

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "support/dialog_test_app.h"
#include "support/fake_keyboard.h"
#include "ui/options_dialog.h"

namespace {

// Points inside the controls of the test layout (the volume boxes are at fixed places).
constexpr int kClose[] = {605, 405};
constexpr int kAutosave[] = {25, 105};
constexpr int kSound[] = {25, 205};
constexpr int kClassic[] = {25, 305};
constexpr int kSkinUp[] = {255, 105};
constexpr int kSkinDown[] = {255, 205};
constexpr int kLeftKey[] = {455, 25};
constexpr int kFireKey[] = {455, 305};

void click_at(Screen& s, const int (&p)[2]) {
    click(s, p[0], p[1]);
}

// Inside volume box `i` and no other (the boxes overlap at their default size).
void click_volume(Screen& s, int i) {
    click(s, 170 + 35 * i, 500);
}

class OptionsDialogTest : public ::testing::Test {
  protected:
    OptionsDialogTest() {
        test.app.config.set_default_keys();
        dialog = std::make_unique<OptionsDialog>(test.app);
        for (KeyReader* r : {&dialog->left_key(), &dialog->right_key(), &dialog->up_key(),
                             &dialog->down_key(), &dialog->fire_key(), &dialog->die_key()}) {
            r->set_keyboard(&keyboard.state);
        }
        test.open(*dialog);
    }
    // Redefines the left key as A and the fire key as left Ctrl.
    void redefine_keys() {
        click_at(*dialog, kLeftKey);
        keyboard.hold({30});
        dialog->key_down('A');
        click_at(*dialog, kFireKey);
        keyboard.hold({29});
        dialog->key_down(vk::control);
        keyboard.hold({});
        ASSERT_EQ(dialog->left_key().key(), 30);
        ASSERT_EQ(dialog->fire_key().caption(), "LEFT CTRL");
    }
    GameParams& config() { return test.app.config; }
    DialogTestApp test;
    FakeKeyboard keyboard;
    std::unique_ptr<OptionsDialog> dialog;
};

TEST_F(OptionsDialogTest, OpensWithTheCurrentSettings) {
    EXPECT_EQ(dialog->left_key().key(), 203);
    EXPECT_EQ(dialog->left_key().caption(), "LEFT ARROW");
    EXPECT_EQ(dialog->fire_key().caption(), "SPACE");
    EXPECT_EQ(dialog->die_key().caption(), "K");
    EXPECT_TRUE(dialog->autosave_box().is_checked());
    EXPECT_TRUE(dialog->sound_box().is_checked());
    for (int i = 0; i < OptionsDialog::kVolumeSteps; ++i) {
        EXPECT_EQ(dialog->volume_box(i).is_checked(), i <= 3) << i;
    }
}

TEST_F(OptionsDialogTest, EscapeAndEnterKeepTheOldKeys) {
    for (int key : {vk::escape, vk::enter}) {
        redefine_keys();
        dialog->key_down(key);
        test.tick();
        EXPECT_EQ(test.opener.closed_result,
                  key == vk::escape ? DialogResult::cancelled : DialogResult::accepted);
        EXPECT_EQ(config().m_left_key, 203);
        EXPECT_EQ(config().m_fire_key, 57);
        dialog = std::make_unique<OptionsDialog>(test.app);
        dialog->left_key().set_keyboard(&keyboard.state);
        dialog->fire_key().set_keyboard(&keyboard.state);
        test.open(*dialog);
    }
}

TEST_F(OptionsDialogTest, TheCloseButtonStoresTheKeys) {
    redefine_keys();
    click_at(*dialog, kClose);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
    EXPECT_EQ(config().m_left_key, 30);
    EXPECT_EQ(config().m_fire_key, 29);
    EXPECT_EQ(config().m_right_key, 205);
    EXPECT_EQ(config().m_up_key, 200);
    EXPECT_EQ(config().m_down_key, 208);
    EXPECT_EQ(config().m_die_key, 37);
}

TEST_F(OptionsDialogTest, VolumeBoxesCheckEverythingUpToTheOneClicked) {
    click_volume(*dialog, 0);
    EXPECT_EQ(test.app.m_music_volume, 0);
    for (int i = 0; i < OptionsDialog::kVolumeSteps; ++i) {
        EXPECT_EQ(dialog->volume_box(i).is_checked(), i == 0) << i;
    }
    click_volume(*dialog, 6);
    EXPECT_EQ(test.app.m_music_volume, 6);
    for (int i = 0; i < OptionsDialog::kVolumeSteps; ++i) {
        EXPECT_TRUE(dialog->volume_box(i).is_checked()) << i;
    }
    // Clicking the top box again keeps it (a volume box cannot be turned off by itself).
    click_volume(*dialog, 6);
    EXPECT_TRUE(dialog->volume_box(6).is_checked());
    EXPECT_EQ(test.app.m_music_volume, 6);
}

TEST_F(OptionsDialogTest, SkinArrowsWrapBothWaysAndThePreviewFollows) {
    const ResourceSet& res = *test.app.resources;
    ASSERT_EQ(res.skin_count(), 3);
    EXPECT_EQ(dialog->preview(0).texture(), res.skin_sprites(0).m_brick.texture());
    click_at(*dialog, kSkinDown);
    EXPECT_EQ(res.current_skin(), 2);
    EXPECT_EQ(dialog->preview(0).texture(), res.skin_sprites(2).m_brick.texture());
    EXPECT_EQ(dialog->preview(4).texture(), res.skin_sprites(2).m_gold.texture());
    EXPECT_TRUE(dialog->preview(4).m_blend);
    EXPECT_FALSE(dialog->preview(1).m_blend);
    click_at(*dialog, kSkinUp);
    EXPECT_EQ(res.current_skin(), 0);
    click_at(*dialog, kSkinUp);
    EXPECT_EQ(res.current_skin(), 1);
    EXPECT_EQ(dialog->preview(2).texture(), res.skin_sprites(1).m_ladder.texture());
    // The world counts its animations in the new skin's sheets too.
    EXPECT_EQ(test.app.world.skin.brick.frames, res.skin_sprites(1).m_brick.m_frames);
    EXPECT_EQ(test.app.world.skin.light.frames, res.skin_sprites(1).m_light.m_frames);
}

TEST_F(OptionsDialogTest, CheckBoxesChangeTheSettingsAtOnceWhateverTheWayOut) {
    test.app.sound.set_enabled(true);
    click_at(*dialog, kSound);
    EXPECT_FALSE(test.app.m_sound);
    EXPECT_FALSE(test.app.sound.is_enabled());
    click_at(*dialog, kAutosave);
    EXPECT_FALSE(test.app.m_autosave);
    click_at(*dialog, kClassic);
    EXPECT_FALSE(test.app.m_sound_classik);
    dialog->key_down(vk::escape);
    test.tick();
    EXPECT_FALSE(test.app.m_sound);
    EXPECT_FALSE(test.app.m_autosave);
    EXPECT_FALSE(test.app.m_sound_classik);

    OptionsDialog again(test.app);
    EXPECT_FALSE(again.sound_box().is_checked());
    test.open(again);
    click_at(again, kSound);
    EXPECT_TRUE(test.app.m_sound);
    EXPECT_TRUE(test.app.sound.is_enabled());
}

}  // namespace
