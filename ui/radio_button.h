#pragma once

#include <vector>

#include "ui/check_box.h"
#include "ui/image_control.h"

// One choice of a group, with the check box's four looks. Clicking a checked radio does
// nothing; the owner keeps the group consistent through RadioGroup::uncheck_others.
class RadioButton : public ImageControl {
  public:
    RadioButton(Screen* owner, const Texture* image);

    bool mouse_move(int x, int y, int buttons) override;
    void pointer_elsewhere() override { end_hover(m_state); }
    bool left_button_up(int x, int y, int buttons) override;
    bool left_button_down(int x, int y, int buttons) override;
    void draw() override;
    virtual void set_checked(bool on) { m_state = on ? CheckBox::kOn : CheckBox::kOff; }

    bool is_checked() const { return m_state > 2; }
    void set_visible(bool on) { m_visible = on; }
    bool visible() const { return m_visible; }

  protected:
    bool shown() const override { return m_visible; }

  private:
    bool m_visible = true;
};

// The radios of one choice, in the order added. It does not own them.
class RadioGroup {
  public:
    void add(RadioButton* radio) { m_radios.push_back(radio); }
    void uncheck_others(const RadioButton* radio);
    // Index of the first checked member, or -1.
    int checked_index() const;
    int size() const { return static_cast<int>(m_radios.size()); }

  private:
    std::vector<RadioButton*> m_radios;
};
