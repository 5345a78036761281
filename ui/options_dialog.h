#pragma once

#include <array>
#include <memory>

#include "gfx/sprite.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/dialog.h"
#include "ui/key_reader.h"
#include "ui/publisher_banner.h"

class AppContext;

// The player's settings: autosave, sound effects, the classic sound set, the music volume
// (seven boxes, 0..6), the skin (two arrows and a preview of its cells) and the six playing
// keys. Boxes, arrows and the volume take effect when clicked, however the dialog is left;
// the keys are stored only by the close button.
class OptionsDialog : public Dialog {
  public:
    static constexpr int kVolumeSteps = 7;
    static constexpr int kPreviewCount = 5;

    explicit OptionsDialog(AppContext& app);
    ~OptionsDialog() override;

    // The children get no ticks.
    void tick(int elapsed_ms) override;
    void animate(int elapsed_ms) override;
    void key_down(int virtual_key) override;
    void on_control(Control* control) override;
    void draw() override;

    Button& close_button() { return m_close_btn; }
    Button& skin_up_button() { return m_skin_up_btn; }
    Button& skin_down_button() { return m_skin_down_btn; }
    CheckBox& autosave_box() { return m_autosave_box; }
    CheckBox& sound_box() { return m_sound_box; }
    CheckBox& classic_sound_box() { return m_classic_sound_box; }
    CheckBox& volume_box(int i) { return *m_volume_boxes[static_cast<std::size_t>(i)]; }
    KeyReader& left_key() { return m_left_key; }
    KeyReader& right_key() { return m_right_key; }
    KeyReader& down_key() { return m_down_key; }
    KeyReader& up_key() { return m_up_key; }
    KeyReader& fire_key() { return m_fire_key; }
    KeyReader& die_key() { return m_die_key; }
    const Sprite& preview(int i) const { return m_preview[static_cast<std::size_t>(i)]; }

  private:
    // Copies the current skin's brick, solid, ladder, rope and gold for the preview.
    void rebuild_preview();
    // Boxes 0..step checked, the rest not.
    void show_volume(int step);

    AppContext& m_app;
    Button m_close_btn;
    Button m_skin_up_btn;
    Button m_skin_down_btn;
    CheckBox m_autosave_box;
    CheckBox m_sound_box;
    CheckBox m_classic_sound_box;
    std::array<Sprite, kPreviewCount> m_preview;
    float m_preview_x = 0.0f;
    float m_preview_y = 0.0f;
    KeyReader m_left_key;
    KeyReader m_right_key;
    KeyReader m_down_key;
    KeyReader m_up_key;
    KeyReader m_fire_key;
    KeyReader m_die_key;
    std::array<std::unique_ptr<CheckBox>, kVolumeSteps> m_volume_boxes;
    PublisherBanner m_banner;
};
